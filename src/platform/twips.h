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

// The main window's drawing, in twips. The backing image covers the window's
// whole client area at its opening size (11600 x 8500 twips with the menu
// bar); the content part holds everything the game draws apart from the
// background: both hands, the board, the labels, the clocks, the title and the
// header of a loaded record at the bottom. The content must always be in view.
inline constexpr int IMAGE_WIDTH_TWIPS = 11595;    // 773 pixels
inline constexpr int IMAGE_HEIGHT_TWIPS = 8505;    // 567 pixels
inline constexpr int CONTENT_WIDTH_TWIPS = 11475;  // 765 pixels
inline constexpr int CONTENT_HEIGHT_TWIPS = 7800;  // 520 pixels

struct TwipScale {
  double zoom = 1.0;

  int pixels(double twips) const { return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL * zoom)); }
  int twips(int pixels) const { return static_cast<int>(std::lround(pixels * TWIPS_PER_PIXEL / zoom)); }
  QRect pixels(int left, int top, int width, int height) const {
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
  }
  QSize content_size() const { return QSize(pixels(CONTENT_WIDTH_TWIPS), pixels(CONTENT_HEIGHT_TWIPS)); }
};

// The zoom that makes the main window (11600 x 8500 twips at zoom 1) use most
// of a screen of the given size, in steps of a quarter, between 1 and 4.
double zoom_for_screen(QSize available);

}  // namespace velmora::platform
