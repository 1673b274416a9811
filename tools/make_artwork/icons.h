#pragma once

#include <QImage>
#include <QString>

#include "fonts.h"

namespace artwork {

// The sizes of the desktop's icon theme the game's icon is drawn in.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

// The game's icon, `size` pixels square: the shogi king tile, the janggi general and the chess
// king of the title picture on a rounded panel of dark walnut with a gold rim. Below 48 pixels
// the janggi disc and the inner rim are left out so that the two kings stay readable.
QImage gameIcon(const Fonts& fonts, int size);

// Writes the icon in every size as <folder>/velmora_<size>.png; answers false on any failure.
bool writeIcons(const Fonts& fonts, const QString& folder);

}  // namespace artwork
