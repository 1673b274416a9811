// The Screen port: pictures, outlines and texts painted into the canvas's
// backing image; the window's place and size in twips.
#pragma once

#include <QPainter>
#include <functional>

#include "platform/canvas.h"
#include "platform/main_window.h"
#include "platform/twips.h"
#include "ports/ports.h"

namespace velmora::platform {

class QtScreen final : public Screen {
 public:
  QtScreen(Canvas& canvas, MainWindow& window, TwipScale scale);

  void paste_picture(int picture, int shade, double left, double top) override;
  void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) override;
  void outline(int colour, double left, double top, double right, double bottom) override;
  void print_text(const std::string& text, double left, double top, int size, int colour, bool bold) override;
  void refresh() override;
  TwipRect window_rect() const override;
  void set_window_rect(const TwipRect& rect) override;
  void drop_clicks_meanwhile() override { canvas_->drop_presses(); }
  void move_list_changed() override {
    if (move_list_view_) move_list_view_();
  }
  // What shows a change of the move list at once (the move list panel).
  void set_move_list_view(std::function<void()> view) { move_list_view_ = std::move(view); }

  // Runs `drawing` with everything painted on `canvas` instead of the
  // window's canvas, which keeps its picture untouched.
  void draw_on(Canvas& canvas, const std::function<void()>& drawing);

 private:
  int image_pixel(double twips) const;
  void paste(const QImage& image, QPoint corner, QSize room);
  void print_emboldened(QPainter& painter, const std::string& text, QPointF baseline, double pixel_size);

  Canvas* canvas_;
  MainWindow& window_;
  TwipScale scale_;
  std::function<void()> move_list_view_;
};

}  // namespace velmora::platform
