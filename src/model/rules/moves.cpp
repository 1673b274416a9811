#include "rules/moves.h"

#include <cstdlib>

namespace velmora {
namespace {

// A captured piece goes into the capturer's hand (a king only ends the
// game).
void capture(Position& pos, MoveReport& report, int captured) {
  駒取得(pos, captured);
  report.captured = captured;
  report.hand_gained = captured < 0 ? +1 : -1;
}

// A pawn stepping diagonally onto an empty square takes the opposing pawn
// beside it (en passant).
void take_en_passant(Position& pos, MoveReport& report, int fy, int tx, int code) {
  const int passed = piece_at(pos.board, tx, fy);
  if (passed != -code) return;
  capture(pos, report, passed);
  pos.board(tx, fy) = EMPTY;
  report.en_passant = true;
  report.passed = {tx, fy};
}

void move_rook(Position& pos, MoveReport& report, int from_x, int to_x, int y, int rook) {
  pos.board(to_x, y) = rook;
  pos.board(from_x, y) = EMPTY;
  report.castled = true;
  report.rook_from = {from_x, y};
  report.rook_to = {to_x, y};
}

// A king stepping two columns on its home row castles: the rook jumps over it.
void castle(Position& pos, MoveReport& report, int from_x, Cell to, int code) {
  if (std::abs(to.x - from_x) != 2) return;
  if (code == -KING && to.y == 9) {
    if (to.x == 6) move_rook(pos, report, 8, 5, 9, -ROOK);
    if (to.x == 2) move_rook(pos, report, 1, 3, 9, -ROOK);
  }
  if (code == +KING && to.y == 1) {
    if (to.x == 8) move_rook(pos, report, 9, 7, 1, +ROOK);
    if (to.x == 4) move_rook(pos, report, 2, 5, 1, +ROOK);
  }
}

void take_from_hand(Position& pos, MoveReport& report, int fx, int hand_index) {
  if (fx > 0) {
    pos.hand_own[hand_index] -= 1;
    report.hand_spent = -1;
  } else {
    pos.hand_enemy[hand_index] -= 1;
    report.hand_spent = +1;
  }
}

// Whether the hand of the slot's column holds a piece of the hand index.
bool hand_holds(const Position& pos, int fx, int hand_index) {
  return hand_index != 0 && (fx > 0 ? pos.hand_own : pos.hand_enemy)[hand_index] > 0;
}

}  // namespace

MoveReport make_move(Position& pos, Cell from, Cell to, int code) {
  MoveReport report;
  const bool board_move = on_board(from);
  const int hand_index = board_move ? 0 : hand_index_of_slot(from.x, from.y);
  if (!on_board(to) || !is_piece(code) || (!board_move && !hand_holds(pos, from.x, hand_index))) return report;
  const int starting = board_move ? piece_at(pos.board, from.x, from.y) : code;
  report.played = true;
  report.move = {board_move ? from : Cell{}, to, starting, code, hand_index};
  report.promoted = starting != code;

  const int captured = piece_at(pos.board, to.x, to.y);
  if (captured != EMPTY) capture(pos, report, captured);
  if (board_move && kind_of(code) == PORN && std::abs(to.x - from.x) == 1 && captured == EMPTY)
    take_en_passant(pos, report, from.y, to.x, code);

  pos.board(to.x, to.y) = code;
  if (board_move) {
    castle(pos, report, from.x, to, code);
    pos.board(from.x, from.y) = EMPTY;
  } else {
    take_from_hand(pos, report, from.x, hand_index);
  }
  調査_2歩フラグ設定(pos);  // the two-pawn flags follow every move
  return report;
}

void 駒取得(Position& pos, int captured) {
  if (!is_piece(captured)) return;
  if (is_king_kind(kind_of(captured))) {
    pos.king_taken = captured > 0 ? pos.chess_sign : pos.main_sign();
    return;
  }
  Hand& hand = captured > 0 ? pos.hand_own : pos.hand_enemy;
  hand[hand_index_of(captured)] += 1;
}

void 調査_2歩フラグ設定(Position& pos) { pos.refresh_two_pawn_flags(); }

int 調査_持駒数(const Position& pos, int side) {
  if (side == pos.chess_sign) return pos.hand_own_total();
  if (side == pos.main_sign()) return pos.hand_enemy_total();
  return 0;
}

bool 調査_移動結果(const Position& pos, int n, int& x, int& y, int& code) {
  if (n < 1) return false;
  const Board& after = pos.history.slot(n).board;
  const Board& before = pos.history.slot(n - 1).board;
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
