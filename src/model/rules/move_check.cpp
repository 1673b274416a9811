#include "rules/move_check.h"

#include <algorithm>
#include <cstdlib>

namespace velmora {
namespace {

int sgn(int v) { return (v > 0) - (v < 0); }

bool one_step(int dx, int dy) { return std::abs(dx) <= 1 && std::abs(dy) <= 1; }

// Every pattern test needs both ends on the board; that also bounds the
// walks along lines.
bool ends_on_board(int fx, int fy, int tx, int ty) { return on_board(fx, fy) && on_board(tx, ty); }

bool in_palace(int side, int x, int y) {
  const bool rows = side < 0 ? (y >= 7 && y <= 9) : (y >= 1 && y <= 3);
  return x >= 4 && x <= 6 && rows;
}

// Rows a dropped piece may land on: not its barred far rows, and a guard
// only on the five palace points.
bool drop_row_allowed(int code, int tx, int ty) {
  const int side = sign_of(code);
  const int row = far_row(side, ty);
  if (row <= PIECE_KINDS[kind_of(code)].barred_drop_rows) return false;
  if (kind_of(code) != TUKAE) return true;
  const int col = side < 0 ? tx : 10 - tx;  // the five palace points, seen from the side's own edge
  return ((row == 7 || row == 9) && (col == 4 || col == 6)) || (row == 8 && col == 5);
}

bool drop_check(const Position& pos, int tx, int ty, int code) {
  if (piece_at(pos.board, tx, ty) != EMPTY) return false;
  if (code == -HU && pos.hu_column_own()[tx] == 1) return false;
  if (code == +HU && pos.hu_column_enemy()[tx] == 1) return false;
  return drop_row_allowed(code, tx, ty);
}

bool gold_step(int dx, int dy, int f) {
  return (dy == f && std::abs(dx) <= 1) || (dy == 0 && std::abs(dx) == 1) || (dy == -f && dx == 0);
}

bool pawn_check(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  const int f = code < 0 ? -1 : +1;
  const int start_row = code < 0 ? 8 : 2;
  const int en_passant_row = code < 0 ? 4 : 6;
  const int dx = tx - fx, dy = ty - fy;
  const int target = piece_at(pos.board, tx, ty);
  if (dx == 0 && target != EMPTY) return false;
  if (dx == 0 && dy == f) return true;
  if (std::abs(dx) == 1 && dy == f) {
    if (target != EMPTY) return true;
    const HistorySlot& last = pos.history.slot(pos.move_number);
    return fy == en_passant_row && piece_at(pos.board, tx, fy) == -code && last.move_to_x == tx &&
           last.move_to_y == fy && last.move_code == -code;
  }
  if (fy == start_row && dx == 0 && dy == 2 * f && piece_at(pos.board, fx, fy + f) == EMPTY &&
      piece_at(pos.board, fx, fy + 2 * f) == EMPTY)
    return true;
  return false;
}

// The castling squares are named by the rule itself: nothing records whether
// king or rook have moved, and attacked squares do not matter.
bool castling_check(const Board& b, int fx, int fy, int tx, int ty, int code) {
  auto empty = [&b](int x, int y) { return piece_at(b, x, y) == EMPTY; };
  if (code == +KING && fx == 6 && fy == 1 && ty == 1) {
    if (tx == 8) return empty(7, 1) && empty(8, 1) && b(9, 1) == +ROOK;
    if (tx == 4) return empty(3, 1) && empty(4, 1) && empty(5, 1) && b(2, 1) == +ROOK;
  }
  if (code == -KING && fx == 4 && fy == 9 && ty == 9) {
    if (tx == 6) return empty(5, 9) && empty(6, 9) && empty(7, 9) && b(8, 9) == -ROOK;
    if (tx == 2) return empty(2, 9) && empty(3, 9) && b(1, 9) == -ROOK;
  }
  return false;
}

bool board_move_check(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  const Board& b = pos.board;
  const int dx = tx - fx, dy = ty - fy;
  const int f = code < 0 ? -1 : +1;
  const int side = sign_of(code);
  switch (kind_of(code)) {
    case HU: return dx == 0 && dy == f;
    case KYOU: return dx == 0 && sgn(dy) == f && 移動チェック飛車(b, fx, fy, tx, ty);
    case KEI: return std::abs(dx) == 1 && dy == 2 * f;
    case GIN: return (dy == f && std::abs(dx) <= 1) || (dy == -f && std::abs(dx) == 1);
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N: return gold_step(dx, dy, f);
    case KAKU: return 移動チェック角(b, fx, fy, tx, ty);
    case KAKU_N: return one_step(dx, dy) || 移動チェック角(b, fx, fy, tx, ty);
    case SYA:
    case KURUMA: return 移動チェック飛車(b, fx, fy, tx, ty);
    case SYA_N: return one_step(dx, dy) || 移動チェック飛車(b, fx, fy, tx, ty);
    case OU: return one_step(dx, dy);
    case UMA: return 移動チェック馬(b, fx, fy, tx, ty);
    case ZOU: {
      const bool own_half = side < 0 ? ty >= 5 : ty <= 5;
      return own_half && 移動チェック象相(b, fx, fy, tx, ty);
    }
    case HOU:
      if (piece_at(b, tx, ty) == EMPTY) return 移動チェック飛車(b, fx, fy, tx, ty);
      return (fx == tx || fy == ty) && 移動チェック砲取(b, fx, fy, tx, ty);
    case TUKAE: return in_palace(side, tx, ty) && std::abs(dx) == 1 && std::abs(dy) == 1;
    case SYOU: return in_palace(side, tx, ty) && std::abs(dx) + std::abs(dy) == 1;
    case HEISI: {
      const bool crossed = side < 0 ? fy <= 4 : fy >= 6;
      return (dx == 0 && dy == f) || (crossed && dy == 0 && std::abs(dx) == 1);
    }
    case ROOK: return 移動チェックルーク(b, fx, fy, tx, ty);
    case BISH: return 移動チェックビショ(b, fx, fy, tx, ty);
    case QEEN: return 移動チェックルーク(b, fx, fy, tx, ty) || 移動チェックビショ(b, fx, fy, tx, ty);
    case KNIG: return (std::abs(dx) == 1 && std::abs(dy) == 2) || (std::abs(dx) == 2 && std::abs(dy) == 1);
    case PORN: return pawn_check(pos, fx, fy, tx, ty, code);
    case KING: return one_step(dx, dy) || castling_check(b, fx, fy, tx, ty, code);
    default: return false;
  }
}

}  // namespace

bool move_check_detail::on_coordinates(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  if (!on_board(tx, ty)) return false;
  if (fx == tx && fy == ty) return false;
  if (!is_piece(code)) return false;
  const int target = piece_at(pos.board, tx, ty);
  if (target != EMPTY && sign_of(target) == sign_of(code)) return false;
  if (is_hand_column(fx)) return drop_check(pos, tx, ty, code);
  // A source that is neither a square nor a hand column holds no piece.
  if (!on_board(fx, fy)) return false;
  return board_move_check(pos, fx, fy, tx, ty, code);
}

bool 移動チェック角(const Board& board, int fx, int fy, int tx, int ty) {
  if (!ends_on_board(fx, fy, tx, ty)) return false;
  const int dx = tx - fx, dy = ty - fy;
  if (std::abs(dx) != std::abs(dy)) return false;
  const int sx = sgn(dx), sy = sgn(dy);
  for (int i = 1; i < std::abs(dx); ++i)
    if (piece_at(board, fx + i * sx, fy + i * sy) != EMPTY) return false;
  return true;
}

bool 移動チェックビショ(const Board& board, int fx, int fy, int tx, int ty) {
  return 移動チェック角(board, fx, fy, tx, ty);
}

bool 移動チェック飛車(const Board& board, int fx, int fy, int tx, int ty) {
  if (!ends_on_board(fx, fy, tx, ty)) return false;
  if (fx != tx && fy != ty) return false;
  for (int y = std::min(fy, ty) + 1; y < std::max(fy, ty); ++y)
    if (piece_at(board, tx, y) != EMPTY) return false;
  for (int x = std::min(fx, tx) + 1; x < std::max(fx, tx); ++x)
    if (piece_at(board, x, ty) != EMPTY) return false;
  return true;
}

bool 移動チェックルーク(const Board& board, int fx, int fy, int tx, int ty) {
  return 移動チェック飛車(board, fx, fy, tx, ty);
}

bool 移動チェック馬(const Board& board, int fx, int fy, int tx, int ty) {
  if (!ends_on_board(fx, fy, tx, ty)) return false;
  const int dx = tx - fx, dy = ty - fy;
  if (dx == 0 || dy == 0) return false;
  if (std::abs(dx) > 2 || std::abs(dy) > 2) return false;
  if (one_step(dx, dy)) return false;
  if (std::abs(dx) == std::abs(dy)) return false;
  const int leg = std::abs(dx) == 2 ? piece_at(board, fx + sgn(dx), fy) : piece_at(board, fx, fy + sgn(dy));
  return leg == EMPTY;
}

bool 移動チェック象相(const Board& board, int fx, int fy, int tx, int ty) {
  if (std::abs(tx - fx) != 2 || std::abs(ty - fy) != 2) return false;
  return 移動チェック角(board, fx, fy, tx, ty);
}

bool 移動チェック砲取(const Board& board, int fx, int fy, int tx, int ty) {
  if (!ends_on_board(fx, fy, tx, ty)) return false;
  int screens = 0;
  if (fx == tx) {
    for (int y = std::min(fy, ty) + 1; y < std::max(fy, ty); ++y) screens += piece_at(board, fx, y) != EMPTY;
  } else if (fy == ty) {
    for (int x = std::min(fx, tx) + 1; x < std::max(fx, tx); ++x) screens += piece_at(board, x, fy) != EMPTY;
  } else {
    return false;
  }
  return screens == 1;
}

}  // namespace velmora
