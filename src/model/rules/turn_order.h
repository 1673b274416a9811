// Which army sits on which side, and whose move it is.
#pragma once

#include <optional>

#include "rules/position.h"
#include "rules/side.h"

namespace velmora {

// The armies as `turn` numbers them: the main army is 先手, the chess army
// 後手, whichever side of the board they sit on.
inline constexpr int MAIN_ARMY = +1;
inline constexpr int CHESS_ARMY = -1;

// The army a side of the board plays: the own side's is numbered chess_sign.
int army_of(const Position& pos, Side side);

// The side whose army is to move; none between matches. Every question of
// whose move it is asks this.
std::optional<Side> side_to_move(const Position& pos);

// Whether `code` is a piece of the side to move.
bool is_side_to_move(const Position& pos, int code);

// The first negative king on the board (columns outer, rows inner), or EMPTY:
// -KING when the chess army stands at the bottom.
int first_own_king(const Board& board);

// Sets chess_sign (and so main_sign()) from the first negative king on the board
// (columns outer, rows inner); leaves them alone when there is none.
void 調査_先手後手(Position& pos);

// The match starts, or goes on, from the position after move move_number:
// the armies' sides taken from the board (調査_先手後手) and the army to move
// from the move list (調査_先番).
void take_turn_from_list(Position& pos);

// A record shown from its start: the armies' sides taken from the board, and
// the main army to move, as every record opens.
void take_turn_of_record(Position& pos);

// A step through the move list, forward or back: the other army is to move
// (none stays none).
void pass_turn(Position& pos);

// The value for `turn` after move n: chess_sign when the own side is to move,
// main_sign() when the enemy side is, 0 when it cannot be told.
int 調査_先番(const Position& pos, int n);

}  // namespace velmora
