// Whether a square is attacked, and the checks that follow from it.
#include "engine/search_position.h"

namespace velmora {

// Read from the square outwards: along each line the first piece, which
// attacks by riding or by its step when it stands next to the square, then
// the piece beyond it, a cannon over its screen; then the leapers.
bool SearchPosition::attacked(int square, int by) const {
  return by < 0 ? attacked_by<-1>(square) : attacked_by<+1>(square);
}

// Read from the square outwards, the tables of side `By` being constants:
// along each line the first piece, which attacks by riding or by its step
// when it stands next to the square, then the piece beyond it, a cannon over
// its screen; then the leapers.
template <int By>
bool SearchPosition::attacked_by(int square) const {
  constexpr int s = side_index(By);
  constexpr const PaddedTables& t = PADDED_TABLES;
  auto bit = [&](int at) { return t.kind_bit[s][static_cast<std::uint8_t>(cells_[at])]; };
  auto along = [&]<int L>() {
    constexpr int d = LINES[L];
    constexpr std::uint32_t riders = t.riders[s][L], free = t.free_steps[s][L], bounded = t.bounded_steps[s][L];
    constexpr std::uint32_t cannons = t.cannons[s][L];
    int at = square + d;
    while (cells_[at] == EMPTY) at += d;
    if (cells_[at] == OFF_BOARD) return false;
    const std::uint32_t first = bit(at);
    if (first & riders) return true;
    if (at == square + d) {
      if (first & free) return true;
      if ((first & bounded) && padded_bound_holds(t.step_bound[kind_of(cells_[at])], By, at, square)) return true;
    }
    if constexpr (cannons != 0) {
      for (at += d; cells_[at] == EMPTY; at += d) {
      }
      return (bit(at) & cannons) != 0;
    }
    return false;
  };
  auto leap = [&]<int I>() {
    constexpr LeapIn in = t.leaps_in[s][I];
    const std::uint32_t leaper = bit(square + in.from);
    if (leaper & in.free_kinds) return true;
    if constexpr (in.legged_kinds != 0)
      return (leaper & in.legged_kinds) && cells_[square + in.leg] == EMPTY &&
             padded_bound_holds(in.bound, By, square + in.from, square);
    return false;
  };
  return any_of_constants<8>(along) || any_of_constants<LEAPS_IN>(leap);
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
