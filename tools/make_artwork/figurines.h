#pragma once

#include <QPointF>

class QPainter;

namespace artwork {

enum class Figure { Pawn, Rook, Knight, Bishop, Queen, King };
enum class ChessColour { White, Black };

// A chess figurine, outlined so that it reads on light and dark wood alike, standing with the
// middle of its base at `foot` and `height` pixels tall. Its lines are one pixel of a picture
// drawn `fineness` times as fine as its own size.
void drawFigurine(QPainter& painter, Figure figure, ChessColour colour, QPointF foot, double height,
                  double fineness = 1);

}  // namespace artwork
