#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace artwork {

// The two shades of board squares: a piece picture's index is the shade of its square.
enum class Shade { Light = 0, Dark = 1 };

// Procedural wood with gently waving vertical grain, fine fibres and broad colour drift.
QImage woodGrain(QSize size, QColor base, unsigned seed);

// The bare board square of a shade (the empty-square picture and the ground of every piece).
QImage boardSquare(Shade shade, QSize size);

}  // namespace artwork
