#pragma once

#include <QImage>

namespace artwork {

enum class Background { Midori, Tatami, Take, Uchu, Renga };

// A background tile one pixel wider than a cell. Its pattern repeats every cell (33 x 41
// pixels) and its last column equals its first, so overlapping tiles join without a seam.
// `scale` renders it that many times as fine.
QImage backgroundTile(Background background, int scale = 1);

}  // namespace artwork
