#include "rules/turn_order.h"

#include "rules/moves.h"

namespace velmora {

int army_of(const Position& pos, Side side) { return side == Side::Own ? pos.chess_sign : pos.main_sign(); }

std::optional<Side> side_to_move(const Position& pos) {
  if (pos.turn == 0) return std::nullopt;
  if (pos.turn == army_of(pos, Side::Own)) return Side::Own;
  if (pos.turn == army_of(pos, Side::Enemy)) return Side::Enemy;
  return std::nullopt;
}

bool is_side_to_move(const Position& pos, int code) {
  return is_piece(code) && side_to_move(pos) == side_of_code(code);
}

int first_own_king(const Board& board) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (is_own_king(board(x, y))) return board(x, y);
  return EMPTY;
}

void 調査_先手後手(Position& pos) {
  const int king = first_own_king(pos.board);
  if (king == -OU || king == -SYOU) {
    pos.chess_sign = +1;
  } else if (king == -KING) {
    pos.chess_sign = -1;
  }
}

int 調査_先番(const Position& pos, int n) {
  if (n < 0) return 0;
  if (n == 0) {
    // The main army opens the match, whichever side it plays.
    const int king = first_own_king(pos.board);
    if (king == -OU || king == -SYOU) return pos.chess_sign;
    if (king == -KING) return pos.main_sign();
    return 0;
  }
  // The side whose piece arrived somewhere in move n waits; the other one
  // moves. Squares that were emptied are passed over.
  int x = 0, y = 0, moved = EMPTY;
  調査_移動結果(pos, n, x, y, moved);
  if (moved > 0) return pos.chess_sign;
  if (moved < 0) return pos.main_sign();
  return 0;
}

void take_turn_from_list(Position& pos) {
  調査_先手後手(pos);
  pos.turn = 調査_先番(pos, pos.move_number);
}

void take_turn_of_record(Position& pos) {
  調査_先手後手(pos);
  pos.turn = MAIN_ARMY;
}

void pass_turn(Position& pos) { pos.turn = -pos.turn; }

}  // namespace velmora
