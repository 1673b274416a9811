// Pieces on the board and in the hands: the codes of the kinds (piece_kinds.h),
// the hand table of the three armies, the hand slots beside the board and the
// board's size.
#pragma once

#include <array>

#include "rules/grid.h"
#include "rules/piece_kinds.h"

namespace velmora {

// The piece on (x, y) as the rules see it: EMPTY off the board and for a
// code that is no piece.
inline int piece_at(const Board& board, int x, int y) { return piece_or_empty(board.at(x, y)); }

// Hands: 19 counts, index 0 unused. A kind's hand index is in its row of
// PIECE_KINDS (promoted shogi kinds count as their unpromoted kind; 0 for the
// kings, which never go to a hand); HAND_KINDS lists the kind of each index.
inline constexpr int HAND_SIZE = 19;
inline constexpr int hand_index_of(int code) { return is_piece(code) ? PIECE_KINDS[kind_of(code)].hand_index : 0; }

namespace kind_rows {
// The weakest kind of each hand index, which is the unpromoted one.
constexpr std::array<int, HAND_SIZE> hand_kinds() {
  std::array<int, HAND_SIZE> kinds{};
  for (int kind = KIND_COUNT; kind >= 1; --kind) kinds[PIECE_KINDS[kind].hand_index] = kind;
  kinds[0] = EMPTY;
  return kinds;
}
}  // namespace kind_rows
inline constexpr std::array<int, HAND_SIZE> HAND_KINDS = kind_rows::hand_kinds();

// Hand slots beside the board. Own side: column 11 chess, 13 janggi, 15 shogi;
// enemy side: -1, -3, -5, the 180-degree image (x, y) <-> (10 - x, 10 - y).
inline constexpr bool is_hand_column(int x) { return x == 11 || x == 13 || x == 15 || x == -1 || x == -3 || x == -5; }
// A cell of the window's grid, column x and row y: a board square (1..9 each
// way) or a hand slot beside the board.
struct Cell {
  int x = 0;
  int y = 0;
  bool operator==(const Cell&) const = default;
};
Cell own_hand_slot(int hand_index);
Cell enemy_hand_slot(int hand_index);
// Hand index of a slot, or 0 when (x, y) is no slot of a hand.
int hand_index_of_slot(int x, int y);

// The board has BOARD_SIZE columns and rows, numbered from 1.
inline constexpr int BOARD_SIZE = 9;

inline constexpr bool on_board(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }
inline constexpr bool on_board(Cell c) { return on_board(c.x, c.y); }

// The board turned by 180 degrees: every piece goes to the opposite square,
// (x, y) -> (10 - x, 10 - y), and changes side.
Board turned_board(const Board& board);
inline constexpr Cell turned_cell(Cell c) { return {10 - c.x, 10 - c.y}; }

}  // namespace velmora
