// Whether a square is attacked, and the checks that follow from it.
#include "engine/search_position.h"

namespace velmora {

bool SearchPosition::step_attacks(int from, int code, int target) const {
  const int side = sign_of(code);
  const int f = side * PADDED_WIDTH;
  const int d = target - from;
  const bool orthogonal = d == 1 || d == -1 || d == PADDED_WIDTH || d == -PADDED_WIDTH;
  switch (kind_of(code)) {
    case HU: return d == f;
    case PORN: return d == f + 1 || d == f - 1;
    case HEISI: {
      const int row = row_of(from);
      return d == f || ((side < 0 ? row <= 4 : row >= 6) && (d == 1 || d == -1));
    }
    case GIN: return d == f || d == f + 1 || d == f - 1 || d == -f + 1 || d == -f - 1;
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N: return d == f || d == f + 1 || d == f - 1 || d == 1 || d == -1 || d == -f;
    case OU:
    case KING:
    case KAKU_N:
    case SYA_N: return true;
    case TUKAE: return !orthogonal && in_palace(side, target);
    case SYOU: return orthogonal && in_palace(side, target);
    default: return false;
  }
}

bool SearchPosition::attacked(int square, int by) const {
  const int f = by * PADDED_WIDTH;
  auto is = [&](int at, int kind) { return cells_[at] == by * kind; };
  for (int d : STEP_ORTHOGONAL) {
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    const int code = cells_[at];
    if (code == OFF_BOARD) continue;
    if (owner_of(code) == by) {
      const int kind = kind_of(code);
      if (kind == SYA || kind == SYA_N || kind == KURUMA || kind == ROOK || kind == QEEN) return true;
      if (kind == KYOU && d == -f) return true;
      if (at == square + d && step_attacks(at, code, square)) return true;
    }
    for (at += d; cells_[at] == EMPTY; at += d) {
    }
    if (is(at, HOU)) return true;  // a cannon over its screen
  }
  for (int d : STEP_DIAGONAL) {
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    const int code = cells_[at];
    if (owner_of(code) != by) continue;
    const int kind = kind_of(code);
    if (kind == KAKU || kind == KAKU_N || kind == BISH || kind == QEEN) return true;
    if (at == square + d && step_attacks(at, code, square)) return true;
  }
  if (is(square - 2 * f + 1, KEI) || is(square - 2 * f - 1, KEI)) return true;
  for (int leap : LEAP_KNIGHT)
    if (is(square + leap, KNIG)) return true;
  for (int s : STEP_ORTHOGONAL) {
    const int across = (s == 1 || s == -1) ? PADDED_WIDTH : 1;
    for (int a : {across, -across}) {
      const int horse = square - 2 * s - a;
      if (is(horse, UMA) && cells_[horse + s] == EMPTY) return true;
    }
  }
  const int row = row_of(square);
  if (by < 0 ? row >= 5 : row <= 5)
    for (int s : STEP_DIAGONAL)
      if (is(square - 2 * s, ZOU) && cells_[square - s] == EMPTY) return true;
  return false;
}

bool SearchPosition::gives_direct_check(SearchMove move) const {
  const int king = king_square_[side_index(-side_)];
  bool hits = false;
  for_each_attack(move.to(), move.final_code(), [&](int square) { hits = hits || square == king; });
  return hits;
}

bool SearchPosition::can_take_king() const {
  const int king = king_square_[side_index(-side_)];
  return king != 0 && attacked(king, side_);
}

bool SearchPosition::in_check() const {
  const int king = king_square_[side_index(side_)];
  return king != 0 && attacked(king, -side_);
}

}  // namespace velmora
