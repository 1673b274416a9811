#include "platform/twips.h"

#include <algorithm>

namespace velmora::platform {

double zoom_for_screen(QSize available) {
  constexpr double window_width = 11600 / TWIPS_PER_PIXEL;
  constexpr double window_height = 8500 / TWIPS_PER_PIXEL;
  const double fit = 0.95 * std::min(available.width() / window_width, available.height() / window_height);
  return std::clamp(std::floor(fit * 4) / 4, 1.0, 4.0);
}

}  // namespace velmora::platform
