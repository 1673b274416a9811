#include "backgrounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry.h"
#include "noise.h"

namespace artwork {

namespace {

constexpr int kPeriodX = kCellSize.width();
constexpr int kPeriodY = kCellSize.height();

int channel(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

QRgb scaledRgb(double r, double g, double b, double factor) {
  return qRgb(channel(r * factor), channel(g * factor), channel(b * factor));
}

// Wrapped distance between two coordinates on a ring of the given length.
double ringDistance(double a, double b, double length) {
  const double d = std::fabs(a - b);
  return std::min(d, length - d);
}

QRgb midori(int, int) { return qRgb(0, 128, 0); }

// Rush straws running across, bound by three darker warp threads per tile.
QRgb tatami(int x, int y) {
  const double straw = 0.88 + 0.16 * hashUnit(0, y, 501U);
  const double along = 0.94 + 0.10 * latticeNoise(x / 3.0, y, 502U, kPeriodX / 3, kPeriodY);
  const double warp = (x % 11 == 5) ? 0.80 : 1.0;
  const double seam = (y % 2 == 0) ? 0.97 : 1.0;
  return scaledRgb(150, 176, 88, straw * along * warp * seam);
}

// Three bamboo stalks per tile, shaded as cylinders, each with a node ring at its own height.
QRgb take(int x, int y) {
  constexpr int kStalk = 11;
  const int stalk = x / kStalk;
  const double u = (x % kStalk + 0.5) / kStalk;
  double light = 0.42 + 0.58 * std::pow(std::sin(std::numbers::pi * u), 0.7);
  light += 0.18 * std::exp(-std::pow((u - 0.33) / 0.10, 2));
  const int node = static_cast<int>(hashUnit(stalk, 0, 601U) * kPeriodY);
  const int fromNode = (y - node + kPeriodY) % kPeriodY;
  if (fromNode == 0) light *= 0.55;
  if (fromNode == 1) light *= 1.18;
  light *= 0.96 + 0.08 * latticeNoise(x, y / 6.0, 602U, kPeriodX, 0);
  return scaledRgb(38, 150, 128, light);
}

// A quiet sky: one faint star in each part of a 4 x 5 grid over the tile, at a random place in
// its part, of one of three tints. The stars are spread evenly and none stands out, so the
// repeat of the tiles does not show. Coordinates are continuous, so a finer rendering shows the
// same stars more sharply.
QRgb uchu(double x, double y) {
  constexpr int kColumns = 4, kRows = 5;
  const QRgb tints[] = {qRgb(255, 255, 255), qRgb(180, 210, 255), qRgb(255, 236, 180)};
  double r = 4, g = 4, b = 14;
  for (int i = 0; i < kColumns * kRows; ++i) {
    const double starX = (i % kColumns + 0.2 + 0.6 * hashUnit(i, 1, 711U)) * kPeriodX / kColumns;
    const double starY = (i / kColumns + 0.2 + 0.6 * hashUnit(i, 2, 711U)) * kPeriodY / kRows;
    const double brightness = 0.32 + 0.30 * hashUnit(i, 3, 711U);
    const double dx = ringDistance(x + 0.5, starX, kPeriodX);
    const double dy = ringDistance(y + 0.5, starY, kPeriodY);
    const double glow = brightness * std::exp(-(dx * dx + dy * dy) / 0.35);
    const QRgb tint = tints[i % 3];
    r += glow * qRed(tint);
    g += glow * qGreen(tint);
    b += glow * qBlue(tint);
  }
  return qRgb(channel(r), channel(g), channel(b));
}

// Four courses of stretcher bond; bricks are 16 or 17 pixels long so that two fill a tile. Dark,
// dull bricks in dark mortar, so that light texts stay readable on the wall.
QRgb renga(int x, int y) {
  constexpr int kCourseTop[] = {0, 10, 20, 30, 41};
  int course = 0;
  while (y >= kCourseTop[course + 1]) ++course;
  const int offset = (course % 2) * 8;
  const int shifted = (x - offset + kPeriodX) % kPeriodX;
  const int brickInCourse = shifted < 16 ? 0 : 1;
  const int brickLeft = brickInCourse == 0 ? 0 : 16;
  const int brickRight = brickInCourse == 0 ? 15 : kPeriodX - 1;
  const int top = kCourseTop[course];
  const int bottom = kCourseTop[course + 1] - 1;
  if (y == top || shifted == brickLeft) {
    return scaledRgb(62, 56, 52, 0.92 + 0.12 * hashUnit(x, y, 801U));
  }
  const double tone = 0.86 + 0.20 * hashUnit(course, brickInCourse, 802U);
  double light = tone * (0.95 + 0.08 * hashUnit(x, y, 803U));
  if (y == top + 1 || shifted == brickLeft + 1) light *= 1.10;
  if (y == bottom || shifted == brickRight) light *= 0.80;
  return scaledRgb(98, 52, 42, light);
}

// A rule gives the colour at a point of the pattern, in pixels of the tile at its own size.
using PatternRule = QRgb (*)(double, double);

// A pattern drawn pixel by pixel: a finer rendering repeats each pixel.
template <QRgb (*rule)(int, int)>
QRgb perPixel(double x, double y) {
  return rule(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

PatternRule ruleOf(Background background) {
  switch (background) {
    case Background::Midori: return perPixel<midori>;
    case Background::Tatami: return perPixel<tatami>;
    case Background::Take: return perPixel<take>;
    case Background::Uchu: return uchu;
    case Background::Renga: return perPixel<renga>;
  }
  return perPixel<midori>;
}

// Where the centre of a fine pixel lies in the pattern: the tile pixel it belongs to, wrapped
// into the period, plus the centre's offset within that pixel.
double patternCoordinate(int fine, int scale, int period) {
  return (fine / scale) % period + finePixelCentre(fine % scale, scale);
}

}  // namespace

QImage backgroundTile(Background background, int scale) {
  const PatternRule rule = ruleOf(background);
  QImage image(kTileSize * scale, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, rule(patternCoordinate(x, scale, kPeriodX), patternCoordinate(y, scale, kPeriodY)));
    }
  }
  return image;
}

}  // namespace artwork
