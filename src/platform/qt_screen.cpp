#include "platform/qt_screen.h"

namespace velmora::platform {

QtScreen::QtScreen(Canvas& canvas, MainWindow& window, TwipScale scale)
    : DrawingScreen(&canvas.drawing()), canvas_(canvas), window_(window), scale_(scale) {}

void QtScreen::refresh() { canvas_.show_changes_now(); }

// The window's place is that of its frame; its size is that of its contents,
// menu bar included, so that the drawing keeps its size whatever the frame.
TwipRect QtScreen::window_rect() const {
  return TwipRect{scale_.twips(window_.x()), scale_.twips(window_.y()), scale_.twips(window_.width()),
                  scale_.twips(window_.height())};
}

// The window's place is that of its frame.
void QtScreen::set_window_rect(const TwipRect& rect) {
  window_.place(QPoint(scale_.pixels(rect.left), scale_.pixels(rect.top)),
                QSize(scale_.pixels(rect.width), scale_.pixels(rect.height)));
}

}  // namespace velmora::platform
