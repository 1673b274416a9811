#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace artwork {

// The two shades of board squares: a piece picture's index is the shade of its square.
enum class Shade { Light = 0, Dark = 1 };

// Procedural wood with gently waving vertical grain, fine fibres and broad colour drift. `size`
// is in picture pixels; the image has `scale` times as many pixels each way, showing the same
// wood more finely.
QImage woodGrain(QSize size, QColor base, unsigned seed, int scale = 1);

// The bare board square of a shade (the empty-square picture and the ground of every piece).
QImage boardSquare(Shade shade, QSize size, int scale = 1);

}  // namespace artwork
