#include "rules/move_check.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "rules/piece_moves.h"

namespace velmora {
namespace {

int sgn(int v) { return (v > 0) - (v < 0); }

// Every pattern test needs both ends on the board; that also bounds the
// walks along lines.
bool ends_on_board(int fx, int fy, int tx, int ty) { return on_board(fx, fy) && on_board(tx, ty); }

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

// Which pattern of a kind, if any, makes the offset (dx, dy), written as its
// patterns are (rows turned for the own side where the kind is): a ride or a
// cannon line makes every distance along it, a push its double step as well.
// A kind's patterns never share an offset. The chess king's castling is
// marked on its two offsets.
struct PatternIndex {
  static constexpr int SPAN = 8;  // offsets within the board: -8..8
  static constexpr std::int8_t NONE = -1, CASTLING = -2;
  std::array<std::array<std::array<std::int8_t, 2 * SPAN + 1>, 2 * SPAN + 1>, KIND_COUNT + 1> at{};

  static constexpr bool within_span(int offset) { return offset >= -SPAN && offset <= SPAN; }

  constexpr PatternIndex() {
    for (auto& kind : at)
      for (auto& row : kind) row.fill(NONE);
    for (int kind = 1; kind <= KIND_COUNT; ++kind) {
      const PieceMoves& m = PIECE_MOVES[kind];
      for (int i = 0; i < m.count; ++i) {
        const Pattern& p = m.patterns[i];
        const bool line = p.shape == Shape::Ride || p.shape == Shape::Cannon;
        const int reach = line ? SPAN : p.shape == Shape::Push ? 2 : 1;
        for (int k = 1; k <= reach && within_span(k * p.dx) && within_span(k * p.dy); ++k)
          at[kind][k * p.dy + SPAN][k * p.dx + SPAN] = static_cast<std::int8_t>(i);
      }
      if (m.castles) at[kind][SPAN][SPAN - 2] = at[kind][SPAN][SPAN + 2] = CASTLING;
    }
  }
  constexpr int operator()(int kind, int dx, int dy) const { return at[kind][dy + SPAN][dx + SPAN]; }
};
constexpr PatternIndex PATTERN_INDEX;

bool pawn_push_check(const Board& b, int fx, int fy, int ty, int side) {
  if (std::abs(ty - fy) == 1) return true;
  return far_row(side, fy) == PAWN_START_FAR_ROW && piece_at(b, fx, (fy + ty) / 2) == EMPTY;
}

bool en_passant_check(const Position& pos, int fy, int tx, int code) {
  const HistorySlot& last = pos.history.slot(pos.move_number);
  return far_row(sign_of(code), fy) == EN_PASSANT_FAR_ROW && piece_at(pos.board, tx, fy) == -code &&
         last.move_to == Cell{tx, fy} && last.move_code == -code;
}

// Whether every square strictly between the ends of a line is empty.
bool line_clear(const Board& b, int fx, int fy, int tx, int ty) {
  const int sx = sgn(tx - fx), sy = sgn(ty - fy);
  for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
    if (piece_at(b, x, y) != EMPTY) return false;
  return true;
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

// The move of the kind's one pattern that makes the offset, if any.
bool board_move_check(const Position& pos, int fx, int fy, int tx, int ty, int code) {
  const Board& b = pos.board;
  const int kind = kind_of(code), side = sign_of(code);
  const int turn = row_turn(kind, side);
  const int index = PATTERN_INDEX(kind, tx - fx, (ty - fy) * turn);
  if (index < 0) return index == PatternIndex::CASTLING && castling_check(b, fx, fy, tx, ty, code);
  const Pattern& p = PIECE_MOVES[kind].patterns[index];
  if (p.bound != Bound::Anywhere && !bound_holds(p.bound, side, fy, tx, ty)) return false;
  const bool empty_target = piece_at(b, tx, ty) == EMPTY;
  switch (p.shape) {
    case Shape::Ride: return line_clear(b, fx, fy, tx, ty);
    case Shape::Leg: return piece_at(b, fx + p.lx, fy + p.ly * turn) == EMPTY;
    case Shape::Cannon: return empty_target ? line_clear(b, fx, fy, tx, ty) : 移動チェック砲取(b, fx, fy, tx, ty);
    case Shape::Push: return empty_target && pawn_push_check(b, fx, fy, ty, side);
    case Shape::Capture: return !empty_target || en_passant_check(pos, fy, tx, code);
    default: return true;  // a step or a leap
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
