#pragma once

#include <QPointF>

class QPainter;

namespace artwork {

enum class Figure { Pawn, Rook, Knight, Bishop, Queen, King };
enum class ChessColour { White, Black };

// A chess figurine, outlined so that it reads on light and dark wood alike, standing with the
// middle of its base at `foot` and `height` pixels tall.
void drawFigurine(QPainter& painter, Figure figure, ChessColour colour, QPointF foot, double height);

}  // namespace artwork
