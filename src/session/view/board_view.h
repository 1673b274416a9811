// Drawing the board, the pieces, the hands, the background and the window.
// Positions are cells of the window grid: cell (x, y) has its top-left corner
// at (2700 + 495 x, 700 + 615 y) twips; board squares are cells 1..9.
#pragma once

#include "game/game.h"
#include "view/twips.h"

namespace velmora {

// Picture v at cell (x, y): 32..36 a background tile, 31 the title, else v is
// a piece code (EMPTY = the empty square) drawn in the shade of the square.
void 描画_絵(Game& g, int v, double x, double y);
// Piece picture `index` (0 or 1) of `code` at cell (x, y).
void 描画_絵駒(Game& g, int index, int code, double x, double y);
// Outline of `cell` (a board square or a hand slot) in `colour`.
void 描画_桝輪郭(Game& g, PaletteColour colour, Cell cell);
// Every square with its piece, outlined in the background colour.
void 描画_盤(Game& g);
// Every square outlined in the normal frame colour (removes all highlights).
void 描画_将棋盤桝(Game& g);
// The background picture in every cell around the board.
void 描画_背景(Game& g, int picture);
void 描画_自持盤(Game& g);
void 描画_敵持盤(Game& g);
// The whole window: background, labels, hands, board, clocks, level, grade,
// the texts on show (move count, last moves, record header), title.
void 画面_再描画(Game& g);

// The part of the window a picture of the position shows: both hands with
// their counts (columns -5..16), the file numbers (row 0), the board with the
// row numerals (column 10) and the clocks below it (row 10); nothing of the
// title above it.
inline constexpr TwipRect POSITION_PICTURE_AREA{BOARD_LEFT - 5 * SQUARE_WIDTH, BOARD_TOP, 22 * SQUARE_WIDTH,
                                                11 * SQUARE_HEIGHT};
// Draws everything of the position that its picture shows.
void draw_position_picture(Game& g);

}  // namespace velmora
