// Whether a square is attacked, and the checks that follow from it.
#include "engine/search_position.h"

namespace velmora {

// Read from the square outwards: along each line the first piece, which
// attacks by riding or by its step when it stands next to the square, then
// the piece beyond it, a cannon over its screen; then the leapers.
bool SearchPosition::attacked(int square, int by) const {
  const int s = side_index(by);
  const PaddedTables& t = PADDED_TABLES;
  for (int line = 0; line < 8; ++line) {
    const int d = LINES[line];
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    const int code = cells_[at];
    if (code == OFF_BOARD) continue;
    if (owner_of(code) == by) {
      const int kind = kind_of(code);
      if (t.riders[s][line] & (1u << kind)) return true;
      const std::uint8_t step = t.steps_in[s][line][kind];
      if (at == square + d && step != NO_STEP && padded_bound_holds(static_cast<Bound>(step), by, at, square))
        return true;
    }
    if (t.cannons[s][line] == 0) continue;
    for (at += d; cells_[at] == EMPTY; at += d) {
    }
    if (owner_of(cells_[at]) == by && (t.cannons[s][line] & (1u << kind_of(cells_[at])))) return true;
  }
  for (int i = 0; i < t.leap_count[s]; ++i) {
    const LeapIn& leap = t.leaps_in[s][i];
    const int code = cells_[square + leap.from];
    if (owner_of(code) != by) continue;
    const std::uint32_t bit = 1u << kind_of(code);
    if (leap.free_kinds & bit) return true;
    if ((leap.legged_kinds & bit) && cells_[square + leap.leg] == EMPTY &&
        padded_bound_holds(leap.bound, by, square + leap.from, square))
      return true;
  }
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
