#include "rules/move_check.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {
namespace {

int sgn(int v) { return (v > 0) - (v < 0); }

bool one_step(int dx, int dy) { return std::abs(dx) <= 1 && std::abs(dy) <= 1; }

// Every pattern test needs both ends on the board; that also bounds the
// walks along lines.
bool ends_on_board(Cell from, Cell to) { return on_board(from) && on_board(to); }

bool in_palace(int side, int x, int y) {
  const bool rows = side < 0 ? (y >= 7 && y <= 9) : (y >= 1 && y <= 3);
  return x >= 4 && x <= 6 && rows;
}

// Rows a dropped piece may land on: not its barred far rows, and a guard
// only on the five palace points.
bool drop_row_allowed(int code, Cell to) {
  const int side = sign_of(code);
  const int row = far_row(side, to.y);
  if (row <= PIECE_KINDS[kind_of(code)].barred_drop_rows) return false;
  if (kind_of(code) != TUKAE) return true;
  const int col = side < 0 ? to.x : 10 - to.x;  // the five palace points, seen from the side's own edge
  return ((row == 7 || row == 9) && (col == 4 || col == 6)) || (row == 8 && col == 5);
}

bool drop_check(const Position& pos, Cell to, int code) {
  if (piece_at(pos.board, to.x, to.y) != EMPTY) return false;
  if (code == -HU && pos.hu_column_own()[to.x] == 1) return false;
  if (code == +HU && pos.hu_column_enemy()[to.x] == 1) return false;
  return drop_row_allowed(code, to);
}

bool gold_step(int dx, int dy, int f) {
  return (dy == f && std::abs(dx) <= 1) || (dy == 0 && std::abs(dx) == 1) || (dy == -f && dx == 0);
}

bool pawn_check(const Position& pos, Cell from, Cell to, int code) {
  const int f = code < 0 ? -1 : +1;
  const int start_row = code < 0 ? 8 : 2;
  const int en_passant_row = code < 0 ? 4 : 6;
  const int dx = to.x - from.x, dy = to.y - from.y;
  const int target = piece_at(pos.board, to.x, to.y);
  if (dx == 0 && target != EMPTY) return false;
  if (dx == 0 && dy == f) return true;
  if (std::abs(dx) == 1 && dy == f) {
    if (target != EMPTY) return true;
    const HistorySlot& last = pos.history.slot(pos.move_number);
    return from.y == en_passant_row && piece_at(pos.board, to.x, from.y) == -code && last.move_to_x == to.x &&
           last.move_to_y == from.y && last.move_code == -code;
  }
  if (from.y == start_row && dx == 0 && dy == 2 * f && piece_at(pos.board, from.x, from.y + f) == EMPTY &&
      piece_at(pos.board, from.x, from.y + 2 * f) == EMPTY)
    return true;
  return false;
}

// The castling squares are named by the rule itself: nothing records whether
// king or rook have moved, and attacked squares do not matter.
bool castling_check(const Board& b, Cell from, Cell to, int code) {
  auto empty = [&b](int x, int y) { return piece_at(b, x, y) == EMPTY; };
  if (code == +KING && from == Cell{6, 1} && to.y == 1) {
    if (to.x == 8) return empty(7, 1) && empty(8, 1) && b(9, 1) == +ROOK;
    if (to.x == 4) return empty(3, 1) && empty(4, 1) && empty(5, 1) && b(2, 1) == +ROOK;
  }
  if (code == -KING && from == Cell{4, 9} && to.y == 9) {
    if (to.x == 6) return empty(5, 9) && empty(6, 9) && empty(7, 9) && b(8, 9) == -ROOK;
    if (to.x == 2) return empty(2, 9) && empty(3, 9) && b(1, 9) == -ROOK;
  }
  return false;
}

bool board_move_check(const Position& pos, Cell from, Cell to, int code) {
  const Board& b = pos.board;
  const int dx = to.x - from.x, dy = to.y - from.y;
  const int f = code < 0 ? -1 : +1;
  const int side = sign_of(code);
  switch (kind_of(code)) {
    case HU: return dx == 0 && dy == f;
    case KYOU: return dx == 0 && sgn(dy) == f && 移動チェック飛車(b, from, to);
    case KEI: return std::abs(dx) == 1 && dy == 2 * f;
    case GIN: return (dy == f && std::abs(dx) <= 1) || (dy == -f && std::abs(dx) == 1);
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N: return gold_step(dx, dy, f);
    case KAKU: return 移動チェック角(b, from, to);
    case KAKU_N: return one_step(dx, dy) || 移動チェック角(b, from, to);
    case SYA:
    case KURUMA: return 移動チェック飛車(b, from, to);
    case SYA_N: return one_step(dx, dy) || 移動チェック飛車(b, from, to);
    case OU: return one_step(dx, dy);
    case UMA: return 移動チェック馬(b, from, to);
    case ZOU: {
      const bool own_half = side < 0 ? to.y >= 5 : to.y <= 5;
      return own_half && 移動チェック象相(b, from, to);
    }
    case HOU:
      if (piece_at(b, to.x, to.y) == EMPTY) return 移動チェック飛車(b, from, to);
      return (from.x == to.x || from.y == to.y) && 移動チェック砲取(b, from, to);
    case TUKAE: return in_palace(side, to.x, to.y) && std::abs(dx) == 1 && std::abs(dy) == 1;
    case SYOU: return in_palace(side, to.x, to.y) && std::abs(dx) + std::abs(dy) == 1;
    case HEISI: {
      const bool crossed = side < 0 ? from.y <= 4 : from.y >= 6;
      return (dx == 0 && dy == f) || (crossed && dy == 0 && std::abs(dx) == 1);
    }
    case ROOK: return 移動チェックルーク(b, from, to);
    case BISH: return 移動チェックビショ(b, from, to);
    case QEEN: return 移動チェックルーク(b, from, to) || 移動チェックビショ(b, from, to);
    case KNIG: return (std::abs(dx) == 1 && std::abs(dy) == 2) || (std::abs(dx) == 2 && std::abs(dy) == 1);
    case PORN: return pawn_check(pos, from, to, code);
    case KING: return one_step(dx, dy) || castling_check(b, from, to, code);
    default: return false;
  }
}

}  // namespace

bool 移動チェック(const Position& pos, Cell from, Cell to, int code) {
  if (!on_board(to)) return false;
  if (from == to) return false;
  if (!is_piece(code)) return false;
  const int target = piece_at(pos.board, to.x, to.y);
  if (target != EMPTY && sign_of(target) == sign_of(code)) return false;
  if (is_hand_column(from.x)) return drop_check(pos, to, code);
  // A source that is neither a square nor a hand column holds no piece.
  if (!on_board(from)) return false;
  return board_move_check(pos, from, to, code);
}

bool 移動チェック角(const Board& board, Cell from, Cell to) {
  if (!ends_on_board(from, to)) return false;
  const int dx = to.x - from.x, dy = to.y - from.y;
  if (std::abs(dx) != std::abs(dy)) return false;
  const int sx = sgn(dx), sy = sgn(dy);
  for (int i = 1; i < std::abs(dx); ++i)
    if (piece_at(board, from.x + i * sx, from.y + i * sy) != EMPTY) return false;
  return true;
}

bool 移動チェックビショ(const Board& board, Cell from, Cell to) { return 移動チェック角(board, from, to); }

bool 移動チェック飛車(const Board& board, Cell from, Cell to) {
  if (!ends_on_board(from, to)) return false;
  if (from.x != to.x && from.y != to.y) return false;
  for (int y = std::min(from.y, to.y) + 1; y < std::max(from.y, to.y); ++y)
    if (piece_at(board, to.x, y) != EMPTY) return false;
  for (int x = std::min(from.x, to.x) + 1; x < std::max(from.x, to.x); ++x)
    if (piece_at(board, x, to.y) != EMPTY) return false;
  return true;
}

bool 移動チェックルーク(const Board& board, Cell from, Cell to) { return 移動チェック飛車(board, from, to); }

bool 移動チェック馬(const Board& board, Cell from, Cell to) {
  if (!ends_on_board(from, to)) return false;
  const int dx = to.x - from.x, dy = to.y - from.y;
  if (dx == 0 || dy == 0) return false;
  if (std::abs(dx) > 2 || std::abs(dy) > 2) return false;
  if (one_step(dx, dy)) return false;
  if (std::abs(dx) == std::abs(dy)) return false;
  const int leg =
      std::abs(dx) == 2 ? piece_at(board, from.x + sgn(dx), from.y) : piece_at(board, from.x, from.y + sgn(dy));
  return leg == EMPTY;
}

bool 移動チェック象相(const Board& board, Cell from, Cell to) {
  if (std::abs(to.x - from.x) != 2 || std::abs(to.y - from.y) != 2) return false;
  return 移動チェック角(board, from, to);
}

bool 移動チェック砲取(const Board& board, Cell from, Cell to) {
  if (!ends_on_board(from, to)) return false;
  int screens = 0;
  if (from.x == to.x) {
    for (int y = std::min(from.y, to.y) + 1; y < std::max(from.y, to.y); ++y)
      screens += piece_at(board, from.x, y) != EMPTY;
  } else if (from.y == to.y) {
    for (int x = std::min(from.x, to.x) + 1; x < std::max(from.x, to.x); ++x)
      screens += piece_at(board, x, from.y) != EMPTY;
  } else {
    return false;
  }
  return screens == 1;
}

}  // namespace velmora
