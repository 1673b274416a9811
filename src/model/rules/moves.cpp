#include "rules/moves.h"

#include <cstdlib>

#include "view/board_view.h"

namespace velmora {
namespace {

void redraw_square(Game& g, int x, int y) {
  描画_絵(g, g.board(x, y), x, y);
  描画_桝輪郭(g, g.view.back_colour, x, y);
}

// A captured piece goes into the capturer's hand (a king only ends the
// game) and that hand is redrawn. The hand total counts only what the hand
// really received, so it stays equal to the sum of the hand's entries.
void capture(Game& g, int captured) {
  if (hand_index_of(captured) != 0) (captured < 0 ? g.hand_enemy_total : g.hand_own_total) += 1;
  駒取得(g, captured);
  if (captured < 0)
    描画_敵持盤(g);
  else
    描画_自持盤(g);
}

// A pawn stepping diagonally onto an empty square takes the opposing pawn
// beside it (en passant).
void take_en_passant(Game& g, int fy, int tx, int code) {
  const int passed = piece_at(g.board, tx, fy);
  if (passed != -code) return;
  capture(g, passed);
  g.board(tx, fy) = EMPTY;
  redraw_square(g, tx, fy);
}

void move_rook(Game& g, int from_x, int to_x, int y, int rook) {
  g.board(to_x, y) = rook;
  g.board(from_x, y) = EMPTY;
  redraw_square(g, to_x, y);
  redraw_square(g, from_x, y);
}

// The own king's square is kept current here; the enemy king's (and the own
// SYOU's) is found again by the next influence survey.
void follow_king(Game& g, int fx, int tx, int ty, int code) {
  if (code == -OU || code == -KING) {
    g.maps.own_king_x = tx;
    g.maps.own_king_y = ty;
  }
  if (std::abs(tx - fx) != 2) return;
  if (code == -KING && ty == 9) {
    if (tx == 6) move_rook(g, 8, 5, 9, -ROOK);
    if (tx == 2) move_rook(g, 1, 3, 9, -ROOK);
  }
  if (code == +KING && ty == 1) {
    if (tx == 8) move_rook(g, 9, 7, 1, +ROOK);
    if (tx == 4) move_rook(g, 2, 5, 1, +ROOK);
  }
}

void take_from_hand(Game& g, int fx, int hand_index) {
  if (fx > 0) {
    g.hand_own[hand_index] -= 1;
    g.hand_own_total -= 1;
    描画_自持盤(g);
  } else {
    g.hand_enemy[hand_index] -= 1;
    g.hand_enemy_total -= 1;
    描画_敵持盤(g);
  }
}

}  // namespace

void 駒移動(Game& g, int fx, int fy, int tx, int ty, int code) {
  const bool board_move = on_board(fx, fy);
  const int hand_index = board_move ? 0 : hand_index_of_slot(fx, fy);
  // Nothing to play without a destination, a piece, and a square or hand slot to take it from.
  if (!on_board(tx, ty) || !is_piece(code) || (!board_move && hand_index == 0)) return;

  const int captured = piece_at(g.board, tx, ty);
  if (captured != EMPTY) capture(g, captured);
  if (board_move && kind_of(code) == PORN && std::abs(tx - fx) == 1 && captured == EMPTY)
    take_en_passant(g, fy, tx, code);

  if (board_move) {
    描画_絵(g, EMPTY, fx, fy);
    描画_桝輪郭(g, g.view.back_colour, fx, fy);
  }
  g.board(tx, ty) = code;
  if (board_move) follow_king(g, fx, tx, ty, code);

  if (board_move)
    g.board(fx, fy) = EMPTY;
  else
    take_from_hand(g, fx, hand_index);

  redraw_square(g, tx, ty);
  調査_2歩フラグ設定(g);  // the two-pawn flags follow every move
}

void 駒取得(Game& g, int captured) {
  if (!is_piece(captured)) return;
  if (is_king_kind(kind_of(captured))) {
    g.king_taken = captured > 0 ? g.chess_sign : g.main_sign;
    return;
  }
  Hand& hand = captured > 0 ? g.hand_own : g.hand_enemy;
  hand[hand_index_of(captured)] += 1;
}

void 調査_2歩フラグ設定(Game& g) {
  for (int x = 1; x <= 9; ++x) {
    g.hu_column_own[x] = 0;
    g.hu_column_enemy[x] = 0;
    for (int y = 1; y <= 9; ++y) {
      if (g.board(x, y) == -HU) g.hu_column_own[x] = 1;
      if (g.board(x, y) == +HU) g.hu_column_enemy[x] = 1;
    }
  }
}

int 調査_持駒数(const Game& g, int side) {
  const Hand* hand = side == g.chess_sign ? &g.hand_own : side == g.main_sign ? &g.hand_enemy : nullptr;
  if (hand == nullptr) return 0;
  int count = 0;
  for (int i = 1; i < HAND_SIZE; ++i)
    if ((*hand)[i] > 0) count += (*hand)[i];
  return count;
}

bool 調査_移動結果(const Game& g, int n, int& x, int& y, int& code) {
  if (n < 1) return false;
  const Board& after = g.history.slot(n).board;
  const Board& before = g.history.slot(n - 1).board;
  for (int cx = 1; cx <= 9; ++cx) {
    for (int cy = 1; cy <= 9; ++cy) {
      const int now = piece_or_empty(after(cx, cy));
      if (now == EMPTY || now == piece_or_empty(before(cx, cy))) continue;
      x = cx;
      y = cy;
      code = now;
      return true;
    }
  }
  return false;
}

}  // namespace velmora
