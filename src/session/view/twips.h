// The window's geometry in twips, the unit the session draws and takes clicks
// in: where each cell of the window lies, and where a record text stands.
#pragma once

#include <string>

namespace velmora {

// Square (x, y) has its top-left corner at
// (BOARD_LEFT + SQUARE_WIDTH * x, BOARD_TOP + SQUARE_HEIGHT * y); the hand
// slots and the texts beside the board are cells of the same grid.
inline constexpr int BOARD_LEFT = 2700;
inline constexpr int BOARD_TOP = 700;
inline constexpr int SQUARE_WIDTH = 495;
inline constexpr int SQUARE_HEIGHT = 615;
// The top-left corner of cell (x, y) in twips; fractions of a cell for texts.
inline constexpr double cell_left(double x) { return BOARD_LEFT + SQUARE_WIDTH * x; }
inline constexpr double cell_top(double y) { return BOARD_TOP + SQUARE_HEIGHT * y; }

// Left edge in twips at which a record text of s's length is printed so that
// texts of different lengths stay centred (length in characters).
double 取得_棋譜のX座標(const std::string& s);

}  // namespace velmora
