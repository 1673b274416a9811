// The Screen port of the window: pictures, outlines and texts painted into
// the canvas's backing image; the window's place and size in twips.
#pragma once

#include <functional>

#include "platform/canvas.h"
#include "platform/drawing_screen.h"
#include "platform/main_window.h"
#include "platform/twips.h"

namespace velmora::platform {

class QtScreen final : public DrawingScreen {
 public:
  QtScreen(Canvas& canvas, MainWindow& window, TwipScale scale);

  void refresh() override;
  TwipRect window_rect() const override;
  void set_window_rect(const TwipRect& rect) override;
  void drop_clicks_meanwhile() override { canvas_.drop_presses(); }
  void move_list_changed() override {
    if (move_list_view_) move_list_view_();
  }
  // What shows a change of the move list at once (the move list panel).
  void set_move_list_view(std::function<void()> view) { move_list_view_ = std::move(view); }

 private:
  Canvas& canvas_;
  MainWindow& window_;
  TwipScale scale_;
  std::function<void()> move_list_view_;
};

}  // namespace velmora::platform
