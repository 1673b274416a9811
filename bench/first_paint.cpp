// Opens the game's window in the working directory and ends at the window's
// first paint, so that the whole process, timed from outside, is the start-up
// to the first paint, and its peak memory the memory after start:
//
//   cd <folder with the wave files> && /usr/bin/time -v <build>/bench/first_paint
//
// Without a display, run it with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include "platform/desktop_game.h"
#include "platform/pictures.h"

namespace {

class QuitAtFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // As the game's main() does.
  const velmora::platform::DisplayScale display = velmora::platform::display_scale_for_primary_screen();
  velmora::platform::begin_raw_pictures(display.image_scale());
  velmora::platform::use_japanese_font();
  velmora::platform::use_qt_translations();
  velmora::platform::DesktopGame game(QDir::currentPath(), display);
  QuitAtFirstPaint quit;
  game.window().canvas().installEventFilter(&quit);
  game.open();
  return application.exec();
}
