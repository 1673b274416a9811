#include "wood.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "noise.h"

namespace artwork {

namespace {

int scaled(int channel, double factor) { return std::clamp(static_cast<int>(std::lround(channel * factor)), 0, 255); }

// Brightness factor of the wood at a pixel: dark grain lines on a lighter ground.
double grainFactor(double x, double y, unsigned seed) {
  const double warp = 9.0 * fractalNoise(x / 16.0, y / 40.0, seed, 3);
  const double phase = (x + warp + 0.10 * y) * 2.0 * std::numbers::pi / 6.1;
  const double line = std::pow(0.5 + 0.5 * std::sin(phase), 5.0);
  const double fibre = latticeNoise(x * 1.3, y / 9.0, seed + 7U) - 0.5;
  const double drift = fractalNoise(x / 22.0, y / 22.0, seed + 13U, 2) - 0.5;
  return 1.0 - 0.13 * line + 0.07 * fibre + 0.10 * drift;
}

}  // namespace

QImage woodGrain(QSize size, QColor base, unsigned seed, int scale) {
  QImage image(size * scale, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const double f = grainFactor(finePixelCentre(x, scale), finePixelCentre(y, scale), seed);
      image.setPixel(x, y, qRgb(scaled(base.red(), f), scaled(base.green(), f * 0.99), scaled(base.blue(), f * 0.97)));
    }
  }
  return image;
}

QImage boardSquare(Shade shade, QSize size, int scale) {
  if (shade == Shade::Light) return woodGrain(size, QColor(234, 196, 136), 1201U, scale);
  return woodGrain(size, QColor(196, 144, 84), 3407U, scale);
}

}  // namespace artwork
