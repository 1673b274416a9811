#include "platform/desktop_game.h"

#include <QApplication>
#include <QScreen>
#include <cmath>

#include "match/window.h"
#include "platform/look.h"
#include "shell/about.h"

namespace velmora::platform {

DisplayScale display_scale_for_primary_screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return DisplayScale{};
  const double zoom = zoom_for_screen(screen->availableGeometry().size());
  return DisplayScale{zoom, std::max(1, static_cast<int>(std::ceil(zoom * screen->devicePixelRatio())))};
}

void use_japanese_font() {
  QFont font = QApplication::font();
  font.setFamily(japanese_font_family());
  QApplication::setFont(font);
}

DesktopGame::DesktopGame(const QString& working_directory, DisplayScale display)
    : scale_{display.zoom},
      window_(scale_, display.render_scale, working_directory),
      screen_(window_.canvas(), window_, scale_),
      dialogs_(window_, window_.record_panel(), scale_),
      game_(Ports{screen_, dialogs_, sound_, clock_}) {
  game_.working_directory = working_directory.toStdString();
  dialogs_.set_home_page_handler([this] { homepage_click(game_); });
  window_.attach(game_);
}

void DesktopGame::open() {
  window_.show();
  window_.canvas().setFocus();
  const int window_handle = static_cast<int>(window_.winId() & 0x7fffffff);
  window_.dispatch([window_handle](Game& g) { on_window_load(g, window_handle); });
}

}  // namespace velmora::platform
