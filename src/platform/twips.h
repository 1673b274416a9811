// Twips and pixels. The game speaks in twips (1/1440 inch); at zoom 1 one
// screen pixel is 15 twips. The zoom enlarges the whole window on large
// screens: the window size, the dialogs and their placement grow with it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace velmora::platform {

inline constexpr double TWIPS_PER_PIXEL = 15.0;

// The drawing area of the main window (its client area), in twips. It holds
// everything the game draws: both hands, the board, the labels, the clocks,
// the title and the header of a loaded record at the bottom.
inline constexpr int CANVAS_WIDTH_TWIPS = 11475;
inline constexpr int CANVAS_HEIGHT_TWIPS = 7800;

struct TwipScale {
  double zoom = 1.0;

  int pixels(double twips) const { return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL * zoom)); }
  int twips(int pixels) const { return static_cast<int>(std::lround(pixels * TWIPS_PER_PIXEL / zoom)); }
  QRect pixels(int left, int top, int width, int height) const {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
  }
  QSize canvas_size() const { return QSize(pixels(CANVAS_WIDTH_TWIPS), pixels(CANVAS_HEIGHT_TWIPS)); }
};

// The zoom that makes the main window (11600 x 8500 twips at zoom 1) use most
// of a screen of the given size, in steps of a quarter, between 1 and 4.
double zoom_for_screen(QSize available);

}  // namespace velmora::platform
