#include "platform/desktop_game.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QScreen>
#include <cmath>

#include "match/window.h"
#include "platform/keyboard.h"
#include "platform/look.h"
#include "shell/about.h"

namespace velmora::platform {

DisplayScale display_scale_for_primary_screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return DisplayScale{};
  const double zoom = zoom_for_screen(screen->availableGeometry().size());
  const double real_scale = zoom * screen->devicePixelRatio();
  return DisplayScale{zoom, std::max(1, static_cast<int>(std::ceil(real_scale))), std::max(1.0, real_scale)};
}

void use_japanese_font() {
  QFont font = QApplication::font();
  font.setFamily(japanese_font_family());
  QApplication::setFont(font);
}

void use_game_icon() {
  QIcon icon;
  QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files);
  while (files.hasNext()) icon.addFile(files.next());
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_DESKTOP_ID));
}

DesktopGame::DesktopGame(const QString& working_directory, DisplayScale display, const QString& sound_directory)
    : scale_{display.zoom},
      window_(scale_, display.image_scale(), working_directory),
      screen_(window_.canvas(), window_, scale_),
      dialogs_(window_, scale_),
      clock_(window_),
      game_(Ports{screen_, dialogs_, sound_, clock_}),
      view_menu_(window_, screen_, game_),
      network_menu_(window_, view_menu_.menu(), game_) {
  game_.working_directory = working_directory.toStdString();
  game_.sound_directory = sound_directory.toStdString();
  dialogs_.set_home_page_handler([this] { homepage_click(game_); });
  window_.attach(game_);
  add_menu_keys(window_);
}

// The window is loaded (the settings read, the board drawn, the window put in
// its place and size) before it is shown, so that its first paint is at its
// own size and place.
void DesktopGame::open() {
  const int window_handle = static_cast<int>(window_.winId() & 0x7fffffff);
  window_.dispatch([window_handle](Game& g) { on_window_load(g, window_handle); });
  window_.show();
  window_.canvas().setFocus();
  view_menu_.start();
}

}  // namespace velmora::platform
