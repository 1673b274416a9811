#include "view/board_view.h"

#include "view/clocks.h"
#include "view/texts.h"
#include "view/twips.h"

namespace velmora {
namespace {

// A picture repainted in one cell stays inside it: a background tile, a pixel
// wider than a cell, would otherwise cover the left outline of the next cell.
void paste_in_cell(Game& g, int picture, int shade, double x, double y) {
  g.ports.screen.paste_picture_within(picture, shade, cell_left(x), cell_top(y), cell_left(x + 1), cell_top(y + 1));
}

bool is_board_cell(double x, double y) {
  return x >= 1 && x <= 9 && y >= 1 && y <= 9 && x == static_cast<int>(x) && y == static_cast<int>(y);
}

// One hand slot: the piece (or the empty square when none is left), the count
// beside it on a freshly cleared cell, and the slot's outline.
void draw_hand_slot(Game& g, int hand_index, int sign) {
  const bool own_hand = sign < 0;
  const Cell slot = own_hand ? own_hand_slot(hand_index) : enemy_hand_slot(hand_index);
  const int count = own_hand ? g.pos.hand_own[hand_index] : g.pos.hand_enemy[hand_index];
  描画_絵(g, count == 0 ? EMPTY : sign * HAND_KINDS[hand_index], slot.x, slot.y);
  描画_絵(g, g.view.current_background, slot.x + 1, slot.y);
  if (count > 0) 描画_数値(g, slot.x + 1, slot.y + (own_hand ? 0.2 : 0.3), count, PaletteColour::LightRed, 0, 14);
  描画_桝輪郭(g, g.view.back_colour, slot);
}

void draw_hand_slots(Game& g, int sign, int first, int last) {
  for (int k = first; k <= last; ++k) draw_hand_slot(g, k, sign);
}

// The background, the labels, both hands and the board.
void draw_board_and_margin(Game& g) {
  描画_背景(g, g.view.current_background);
  描画_桝_数値(g);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
}

}  // namespace

void 描画_絵(Game& g, int v, double x, double y) {
  if (v == PICTURE_TITLE) return g.ports.screen.paste_picture(v, 0, cell_left(x), cell_top(y));
  if (v >= PICTURE_MIDORI && v <= PICTURE_RENGA) return paste_in_cell(g, v, 0, x, y);
  const int index = is_board_cell(x, y) ? g.view.square_shade(static_cast<int>(x), static_cast<int>(y)) : 0;
  描画_絵駒(g, index, v, x, y);
}

void 描画_絵駒(Game& g, int index, int code, double x, double y) {
  if (code != EMPTY && !is_piece(code)) return;  // no picture for it
  paste_in_cell(g, code, index, x, y);
}

void 描画_桝輪郭(Game& g, PaletteColour colour, Cell cell) {
  g.ports.screen.outline(colour, cell_left(cell.x), cell_top(cell.y), cell_left(cell.x + 1), cell_top(cell.y + 1));
}

void 描画_盤(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      描画_絵(g, g.pos.board(x, y), x, y);
      描画_桝輪郭(g, g.view.back_colour, {x, y});
    }
}

void 描画_将棋盤桝(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 描画_桝輪郭(g, g.view.frame_colour, {x, y});
}

// Whole tiles: each reaches a pixel into the next cell, where the next tile
// covers it again, so that the tiles join without a seam.
void 描画_背景(Game& g, int picture) {
  for (int x = -6; x <= 28; ++x)
    for (int y = -3; y <= 15; ++y)
      if (!on_board(x, y)) g.ports.screen.paste_picture(picture, 0, cell_left(x), cell_top(y));
}

void 描画_自持盤(Game& g) {
  if (g.pos.chess_sign == -1 && !g.menu.CHESS_MOCHIKOMA) return;
  draw_hand_slots(g, -1, 1, 5);
  if (g.menu.CHESS_MOCHIKOMA) draw_hand_slots(g, -1, 6, 18);
}

void 描画_敵持盤(Game& g) {
  if (g.menu.CHESS_MOCHIKOMA) {
    draw_hand_slots(g, +1, 1, 18);
  } else if (g.pos.chess_sign == -1) {
    // The main army on top may always drop its captured chess pieces, so its
    // five chess slots are shown, as the own hand shows them in the mirrored case.
    draw_hand_slots(g, +1, 1, 5);
  }
}

void 画面_再描画(Game& g) {
  draw_board_and_margin(g);
  show_clocks(g);
  if (g.game_mode == MODE_COM) 描画_レベル(g, g.com.com_level);
  if (g.com.handicap_set == 1) 描画_ハンデレベル(g, g.com.handicap_grade);
  redraw_shown_texts(g);
  描画_絵(g, PICTURE_TITLE, 10.1, -1);
}

// What the window shows of the position, as its full redraw would, with both
// clocks whatever 経過時間 says, and without the title, the level and a
// record's header, which lie outside the picture.
void draw_position_picture(Game& g) {
  draw_board_and_margin(g);
  for (const Side side : {Side::Enemy, Side::Own}) draw_clock(g, side, clock_time(g, side));
  if (g.com.handicap_set == 1) 描画_ハンデレベル(g, g.com.handicap_grade);
  redraw_shown_moves(g);
}

}  // namespace velmora
