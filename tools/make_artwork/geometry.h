#pragma once

#include <QSize>

namespace artwork {

// One board cell of the game window at 15 twips per pixel: 495 x 615 twips.
inline constexpr QSize kCellSize{33, 41};
// Background tiles are one pixel wider than a cell; neighbours overlap by that pixel.
inline constexpr QSize kTileSize{34, 41};
inline constexpr QSize kTitleSize{233, 62};
inline constexpr QSize kPromotionButtonSize{40, 48};
inline constexpr QSize kAboutSize{337, 106};

}  // namespace artwork
