// Which army sits on which side, and whose move it is.
#pragma once

#include "rules/position.h"

namespace velmora {

// The first negative king on the board (columns outer, rows inner), or EMPTY:
// -KING when the chess army stands at the bottom.
int first_own_king(const Board& board);

// Sets chess_sign (and so main_sign()) from the first negative king on the board
// (columns outer, rows inner); leaves them alone when there is none.
void 調査_先手後手(Position& pos);

// The value for `turn` after move n: chess_sign when the own side is to move,
// main_sign() when the enemy side is, 0 when it cannot be told.
int 調査_先番(const Position& pos, int n);

}  // namespace velmora
