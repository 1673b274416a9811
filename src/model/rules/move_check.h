// Move legality: the single authority on where a piece may go.
#pragma once

#include "rules/position.h"

namespace velmora {

namespace move_check_detail {
// The move check on loose coordinates, behind 移動チェック, which is the one to
// call. The computer's levels ask it in their inner loops, where two Cells
// passed by value to a routine of another file cost the search a few percent
// more instructions than four ints; inlined, they cost nothing.
[[nodiscard]] bool on_coordinates(const Position& pos, int fx, int fy, int tx, int ty, int code);
}  // namespace move_check_detail

// Whether the piece with `code` (its code on the board, or after the drop, with
// its side's sign) may go from `from` to `to` under the rules of its kind. A
// source in a hand column (11, 13, 15, -1, -3, -5) makes it a drop; its row
// is then not looked at. Reads the board, the two-pawn flags (refresh them
// with 調査_2歩フラグ設定 before testing pawn drops) and, for en passant, the
// last recorded move. Whether the mover's own king is left attacked is not
// considered, nor is promotion.
[[nodiscard]] inline bool 移動チェック(const Position& pos, Cell from, Cell to, int code) {
  return move_check_detail::on_coordinates(pos, from.x, from.y, to.x, to.y, code);
}

// The cannon's capture over exactly one screen; it reads the board only and never looks at the
// destination square itself.
[[nodiscard]] bool 移動チェック砲取(const Board& board, int fx, int fy, int tx,
                                    int ty);  // cannon capture over one screen

}  // namespace velmora
