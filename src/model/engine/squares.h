// The squares of the board as the strong computer player (level 4) searches
// it: a padded array with two rings of off-board cells around the 9 x 9
// squares, so that steps and leaps of up to two squares never leave the
// array, and the steps between squares.
//
// Pieces keep the game's signed codes: negative for the own side (bottom),
// positive for the enemy side (top). A side is named by its sign.
#pragma once

#include <array>
#include <cstdint>

#include "rules/pieces.h"

namespace velmora {

inline constexpr int PADDED_WIDTH = 13;
inline constexpr int PADDED_CELLS = PADDED_WIDTH * PADDED_WIDTH;
inline constexpr int OFF_BOARD = 100;  // the code of a cell outside the board

// The code on every cell of the padded board.
using Cells = std::array<std::int8_t, PADDED_CELLS>;

constexpr int square_of(int x, int y) { return (y + 1) * PADDED_WIDTH + x + 1; }
constexpr int column_of(int square) { return square % PADDED_WIDTH - 1; }
constexpr int row_of(int square) { return square / PADDED_WIDTH - 1; }

// 0 for EMPTY and off-board cells, else the sign of the piece.
constexpr int owner_of(int code) { return code == OFF_BOARD ? 0 : sign_of(code); }
constexpr int side_index(int side) { return side > 0 ? 1 : 0; }

// Rows counted from the side's own back row: 1 on its back row, 9 on the far row.
constexpr int rows_from_back(int side, int square) { return side < 0 ? 10 - row_of(square) : row_of(square); }

// The side's palace: the three middle columns of its three back rows.
constexpr bool in_palace(int side, int square) {
  const int x = column_of(square), y = row_of(square);
  if (x < 4 || x > 6) return false;
  return side < 0 ? (y >= 7 && y <= 9) : (y >= 1 && y <= 3);
}

// Offsets on the padded board.
inline constexpr int STEP_ORTHOGONAL[4] = {1, -1, PADDED_WIDTH, -PADDED_WIDTH};
inline constexpr int STEP_DIAGONAL[4] = {PADDED_WIDTH + 1, PADDED_WIDTH - 1, -PADDED_WIDTH + 1, -PADDED_WIDTH - 1};
inline constexpr int LEAP_KNIGHT[8] = {2 * PADDED_WIDTH + 1,  2 * PADDED_WIDTH - 1, -2 * PADDED_WIDTH + 1,
                                       -2 * PADDED_WIDTH - 1, PADDED_WIDTH + 2,     PADDED_WIDTH - 2,
                                       -PADDED_WIDTH + 2,     -PADDED_WIDTH - 2};

}  // namespace velmora
