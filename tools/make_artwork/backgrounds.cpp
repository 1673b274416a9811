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

struct Star {
  double x, y, brightness;
  QRgb colour;
};

// A fixed sky: faint stars of three tints and one bright star with a small cross glint.
QRgb uchu(int x, int y) {
  double r = 4, g = 4, b = 14;
  const QRgb tints[] = {qRgb(255, 255, 255), qRgb(180, 210, 255), qRgb(255, 236, 180)};
  for (int i = 0; i < 16; ++i) {
    const Star star{hashUnit(i, 1, 701U) * kPeriodX, hashUnit(i, 2, 701U) * kPeriodY,
                    0.25 + 0.75 * std::pow(hashUnit(i, 3, 701U), 2.0), tints[i % 3]};
    const double dx = ringDistance(x + 0.5, star.x, kPeriodX);
    const double dy = ringDistance(y + 0.5, star.y, kPeriodY);
    double glow = star.brightness * std::exp(-(dx * dx + dy * dy) / 0.35);
    if (i == 0) {
      glow = std::exp(-(dx * dx + dy * dy) / 0.7) + 0.3 * std::exp(-(dx * dx * 6 + dy * dy / 1.5) / 2.0) +
             0.3 * std::exp(-(dy * dy * 6 + dx * dx / 1.5) / 2.0);
    }
    r += glow * qRed(star.colour);
    g += glow * qGreen(star.colour);
    b += glow * qBlue(star.colour);
  }
  return qRgb(channel(r), channel(g), channel(b));
}

// Four courses of stretcher bond; bricks are 16 or 17 pixels long so that two fill a tile.
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
    return scaledRgb(196, 186, 170, 0.92 + 0.12 * hashUnit(x, y, 801U));
  }
  const double tone = 0.82 + 0.26 * hashUnit(course, brickInCourse, 802U);
  double light = tone * (0.93 + 0.12 * hashUnit(x, y, 803U));
  if (y == top + 1 || shifted == brickLeft + 1) light *= 1.12;
  if (y == bottom || shifted == brickRight) light *= 0.78;
  return scaledRgb(172, 64, 42, light);
}

using PixelRule = QRgb (*)(int, int);

PixelRule ruleOf(Background background) {
  switch (background) {
    case Background::Midori: return midori;
    case Background::Tatami: return tatami;
    case Background::Take: return take;
    case Background::Uchu: return uchu;
    case Background::Renga: return renga;
  }
  return midori;
}

}  // namespace

QImage backgroundTile(Background background) {
  const PixelRule rule = ruleOf(background);
  QImage image(kTileSize, QImage::Format_RGB32);
  for (int y = 0; y < kTileSize.height(); ++y) {
    for (int x = 0; x < kTileSize.width(); ++x) image.setPixel(x, y, rule(x % kPeriodX, y));
  }
  return image;
}

}  // namespace artwork
