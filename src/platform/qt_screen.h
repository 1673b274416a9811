// The Screen port: pictures, outlines and texts painted into the canvas's
// backing image; the window's place and size in twips.
#pragma once

#include "platform/canvas.h"
#include "platform/main_window.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "ports/ports.h"

namespace velmora::platform {

class QtScreen final : public Screen {
 public:
  QtScreen(Canvas& canvas, MainWindow& window, TwipScale scale);

  void paste_picture(int picture, int shade, double left, double top) override;
  void outline(int colour, double left, double top, double right, double bottom) override;
  void print_text(const std::string& text, double left, double top, int size, int colour, bool bold) override;
  void refresh() override;
  TwipRect window_rect() const override;
  void set_window_rect(const TwipRect& rect) override;
  void drop_clicks_meanwhile() override { canvas_.drop_presses(); }

 private:
  int image_pixel(double twips) const;

  Canvas& canvas_;
  MainWindow& window_;
  TwipScale scale_;
  PictureBook pictures_;
};

}  // namespace velmora::platform
