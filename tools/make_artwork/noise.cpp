#include "noise.h"

#include <cmath>
#include <cstdint>

namespace artwork {

namespace {

std::uint32_t mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

int wrap(int value, int period) {
  if (period <= 0) return value;
  const int r = value % period;
  return r < 0 ? r + period : r;
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double hashUnit(int x, int y, unsigned seed) {
  const std::uint32_t h = mix(static_cast<std::uint32_t>(x) * 0x9e3779b1U ^ mix(static_cast<std::uint32_t>(y) ^ seed));
  return static_cast<double>(h) / 4294967296.0;
}

double latticeNoise(double x, double y, unsigned seed, int periodX, int periodY) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int x0 = static_cast<int>(fx);
  const int y0 = static_cast<int>(fy);
  const double tx = smooth(x - fx);
  const double ty = smooth(y - fy);
  const int xa = wrap(x0, periodX), xb = wrap(x0 + 1, periodX);
  const int ya = wrap(y0, periodY), yb = wrap(y0 + 1, periodY);
  const double top = hashUnit(xa, ya, seed) * (1 - tx) + hashUnit(xb, ya, seed) * tx;
  const double bottom = hashUnit(xa, yb, seed) * (1 - tx) + hashUnit(xb, yb, seed) * tx;
  return top * (1 - ty) + bottom * ty;
}

double fractalNoise(double x, double y, unsigned seed, int octaves) {
  double sum = 0, weight = 1, total = 0, scale = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * latticeNoise(x * scale, y * scale, seed + static_cast<unsigned>(i) * 101U);
    total += weight;
    weight *= 0.5;
    scale *= 2;
  }
  return sum / total;
}

}  // namespace artwork
