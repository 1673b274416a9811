// The drawing half of the Screen port: pictures, outlines and texts painted
// on a Drawing. The window's screen paints on the canvas's backing image; a
// picture of the position is drawn by the same routines on a drawing of its
// own.
#pragma once

#include <functional>

#include "platform/drawing.h"
#include "ports/ports.h"

namespace velmora::platform {

class DrawingScreen : public Screen {
 public:
  // Nothing is painted while there is no drawing.
  explicit DrawingScreen(Drawing* drawing) : drawing_(drawing) {}

  void paste_picture(int picture, int shade, double left, double top) final;
  void paste_picture_within(int picture, int shade, double left, double top, double right, double bottom) final;
  void outline(PaletteColour colour, double left, double top, double right, double bottom) final;
  void print_text(const std::string& text, double left, double top, int size, PaletteColour colour, bool bold) final;
  void print_players_text(const std::string& text, double left, double top, int size, PaletteColour colour,
                          bool bold) final;
  void print_counted_text(const std::string& text, int count, double left, double top, int size, PaletteColour colour,
                          bool bold) final;
  double text_width(const std::string& text, int size, bool bold) const final;
  double counted_text_width(const std::string& text, int count, int size, bool bold) const final;

  // Runs `draw` with everything painted on `drawing` instead; the drawing
  // painted on before is left as it was.
  void draw_on(Drawing& drawing, const std::function<void()>& draw);

 private:
  Drawing* drawing_;
};

// The Screen of a game that has no window (a picture drawn from the command
// line): it paints only within draw_on.
class PictureScreen final : public DrawingScreen {
 public:
  PictureScreen() : DrawingScreen(nullptr) {}

  void refresh() override {}
  TwipRect window_rect() const override { return TwipRect{}; }
  void set_window_rect(const TwipRect&) override {}
  void drop_clicks_meanwhile() override {}
  void move_list_changed() override {}
};

}  // namespace velmora::platform
