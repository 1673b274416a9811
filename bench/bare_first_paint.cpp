// The yardstick for first_paint: a bare Qt main window, as large as the
// game's window on the same screen, whose central widget paints a line of
// Japanese text; it ends at its first paint. Run the two in turn from
// outside and compare the start-up time and the peak memory pair by pair:
//
//   /usr/bin/time -v <build>/bench/bare_first_paint
//   /usr/bin/time -v <build>/bench/first_paint
//
// It uses nothing of the game, so that it stands for what any Qt program
// pays to open a window and paint text.
#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

class JapaneseText : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 128, 0));
    painter.setFont(QFont(QStringLiteral("IPAGothic"), 14));
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("先手番です。駒を選んでください。ｺﾝﾋﾟｭｰﾀ"));
    QTimer::singleShot(0, qApp, &QApplication::quit);
  }
};

// The game's window is 773 x 567 pixels enlarged in quarter steps to fill
// most of the screen, between 1 and 4 times.
QSize game_window_size(const QScreen* screen) {
  const QSize base(773, 567);
  if (screen == nullptr) return base;
  const QSize available = screen->availableGeometry().size();
  const double fit =
      0.95 * std::min(available.width() / double(base.width()), available.height() / double(base.height()));
  const double zoom = std::clamp(std::floor(fit * 4) / 4, 1.0, 4.0);
  return QSize(static_cast<int>(std::lround(base.width() * zoom)), static_cast<int>(std::lround(base.height() * zoom)));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Velmora"));
  window.setCentralWidget(new JapaneseText);
  window.resize(game_window_size(QGuiApplication::primaryScreen()));
  window.show();
  return application.exec();
}
