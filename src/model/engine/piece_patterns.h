// The patterns of every kind (rules/piece_moves.h) as level 4 reads them,
// all worked out when the program is built: the walks of each kind unrolled
// from its patterns (move generation and the attack walk), and the reverse
// tables its attack test reads from the attacked square outwards.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "engine/squares.h"
#include "rules/piece_moves.h"

namespace velmora {

// A pattern of a kind for one side, on the padded board.
struct PaddedPattern {
  Shape shape = Shape::Step;
  Bound bound = Bound::Anywhere;
  std::int8_t offset = 0;
  // A Leg's leg square; beside a Capture, the square of a pawn taken en
  // passant; both from the source.
  std::int8_t aside = 0;
};

// The eight lines from a square, the orthogonal ones first.
inline constexpr int LINES[8] = {STEP_ORTHOGONAL[0], STEP_ORTHOGONAL[1], STEP_ORTHOGONAL[2], STEP_ORTHOGONAL[3],
                                 STEP_DIAGONAL[0],   STEP_DIAGONAL[1],   STEP_DIAGONAL[2],   STEP_DIAGONAL[3]};

// A square from which a piece may reach the attacked one by a leap: the
// kinds that leap from there freely, and those that need their leg square
// empty (and their bound).
struct LeapIn {
  std::int8_t from = 0;  // where the leaper stands, from the attacked square
  std::int8_t leg = 0;   // its leg square, from the attacked square
  Bound bound = Bound::Anywhere;
  std::uint32_t free_kinds = 0, legged_kinds = 0;
};

inline constexpr int MAX_LEAPS_IN = 24;

struct PaddedTables {
  // Per side, per line from the attacked square: the kinds that ride along it
  // towards the square, that fire along it over a screen, and that take one
  // step from the line's first square onto the square, free or within the
  // kind's bound.
  std::array<std::array<std::uint32_t, 8>, 2> riders{}, cannons{}, free_steps{}, bounded_steps{};
  std::array<Bound, KIND_COUNT + 1> step_bound{};
  std::array<std::array<LeapIn, MAX_LEAPS_IN>, 2> leaps_in{};
  std::array<int, 2> leap_count{};
  // The bit of a code's kind when the code is a piece of the side, else 0,
  // by the code's byte on the padded board.
  std::array<std::array<std::uint32_t, 256>, 2> kind_bit{};

  constexpr PaddedTables() {
    for (int s = 0; s < 2; ++s) {
      for (int kind = 1; kind <= KIND_COUNT; ++kind) {
        lay_out(s, kind);
        kind_bit[s][static_cast<std::uint8_t>((s == 0 ? -1 : +1) * kind)] = 1u << kind;
      }
    }
  }

 private:
  static constexpr int line_index(int offset) {
    for (int i = 0; i < 8; ++i)
      if (LINES[i] == offset) return i;
    return -1;
  }

  constexpr void lay_out(int s, int kind) {
    const int side = s == 0 ? -1 : +1;
    const int turn = row_turn(kind, side);
    const PieceMoves& m = PIECE_MOVES[kind];
    for (const Pattern& p : m) {
      PaddedPattern q;
      q.shape = p.shape;
      q.bound = p.bound;
      q.offset = static_cast<std::int8_t>(p.dx + PADDED_WIDTH * p.dy * turn);
      q.aside = static_cast<std::int8_t>(p.shape == Shape::Capture ? p.dx : p.lx + PADDED_WIDTH * p.ly * turn);
      reverse(s, kind, q);
    }
  }

  // Books the pattern in the tables read from the attacked square.
  constexpr void reverse(int s, int kind, const PaddedPattern& q) {
    const std::uint32_t bit = 1u << kind;
    const int line = line_index(-q.offset);  // from the attacked square towards the piece
    switch (q.shape) {
      case Shape::Ride: riders[s][line] |= bit; break;
      case Shape::Cannon: cannons[s][line] |= bit; break;
      case Shape::Push: break;  // a push takes nothing
      case Shape::Step:
      case Shape::Capture:
        if (line >= 0 && q.bound == Bound::Anywhere) {
          free_steps[s][line] |= bit;
          break;
        }
        if (line >= 0) {  // a kind's bounded steps share one bound
          if (step_bound[kind] != Bound::Anywhere && step_bound[kind] != q.bound) throw "two bounds";
          step_bound[kind] = q.bound;
          bounded_steps[s][line] |= bit;
          break;
        }
        leap_in(s, q.offset, 0, Bound::Anywhere).free_kinds |= bit;
        break;
      case Shape::Leg: leap_in(s, q.offset, q.aside, q.bound).legged_kinds |= bit; break;
    }
  }

  // The entry of the leap `offset` (a leg square `aside` and `bound` where
  // legged); two legged kinds of one leap must share its leg.
  constexpr LeapIn& leap_in(int s, int offset, int aside, Bound bound) {
    const int from = -offset;
    for (int i = 0; i < leap_count[s]; ++i) {
      LeapIn& e = leaps_in[s][i];
      if (e.from != from) continue;
      if (aside != 0 && e.legged_kinds != 0 && (e.leg != from + aside || e.bound != bound)) throw "two legs";
      if (aside != 0) e.leg = static_cast<std::int8_t>(from + aside), e.bound = bound;
      return e;
    }
    LeapIn& e = leaps_in[s][leap_count[s]++];
    e.from = static_cast<std::int8_t>(from);
    if (aside != 0) e.leg = static_cast<std::int8_t>(from + aside), e.bound = bound;
    return e;
  }
};

inline constexpr PaddedTables PADDED_TABLES;
// Both sides have as many leaps in; a constant, so that the attack test's
// loop over them unrolls.
inline constexpr int LEAPS_IN = PADDED_TABLES.leap_count[0];
static_assert(PADDED_TABLES.leap_count[1] == LEAPS_IN);

// Calls `f.template operator()<P>()` for every pattern P of `Kind` in the
// table's order: the walks of level 4 are unrolled per kind when the program
// is built, as if each kind's moves were written out.
template <int Kind, class F>
[[gnu::always_inline]] inline void for_each_pattern(F&& f) {
  [&]<std::size_t... I>(std::index_sequence<I...>) { (f.template operator()<PIECE_MOVES[Kind].patterns[I]>(), ...); }
  (std::make_index_sequence<PIECE_MOVES[Kind].count>{});
}

// Whether `bound` holds for a piece of `side` going from `from` to `to`.
constexpr bool padded_bound_holds(Bound bound, int side, int from, int to) {
  return bound == Bound::Anywhere || bound_holds(bound, side, row_of(from), column_of(to), row_of(to));
}

// The patterns of `Kind` of shape `S` (a pawn's captures count as steps)
// with no bound, in the table's order: the lines and steps a walk loops over.
template <int Kind, Shape S>
constexpr auto free_patterns() {
  constexpr auto keep = [](const Pattern& p) {
    const bool shape = p.shape == S || (S == Shape::Step && p.shape == Shape::Capture);
    return shape && p.bound == Bound::Anywhere;
  };
  constexpr int count = [&] {
    int n = 0;
    for (const Pattern& p : PIECE_MOVES[Kind]) n += keep(p);
    return n;
  }();
  std::array<Pattern, count> out{};
  int i = 0;
  for (const Pattern& p : PIECE_MOVES[Kind])
    if (keep(p)) out[i++] = p;
  return out;
}

// The pattern's offset, or its leg's, on the padded board for `side`.
template <int Kind>
constexpr int padded_offset(int dx, int dy, int side) {
  return dx + PADDED_WIDTH * dy * (ALIKE_BOTH_WAYS[Kind] ? 1 : side);
}

// Calls `f.template operator()<Kind>()` for `kind`, 1..27, through one
// switch: each kind's walk, inlined in its case, reads as if written out.
template <class F>
[[gnu::always_inline]] inline void with_kind(int kind, F&& f) {
  switch (kind) {
#define VELMORA_KIND_CASE(K) \
  case K: f.template operator()<K>(); return;
    VELMORA_KIND_CASE(1)
    VELMORA_KIND_CASE(2) VELMORA_KIND_CASE(3) VELMORA_KIND_CASE(4) VELMORA_KIND_CASE(5) VELMORA_KIND_CASE(6)
        VELMORA_KIND_CASE(7) VELMORA_KIND_CASE(8) VELMORA_KIND_CASE(9) VELMORA_KIND_CASE(10) VELMORA_KIND_CASE(11)
            VELMORA_KIND_CASE(12) VELMORA_KIND_CASE(13) VELMORA_KIND_CASE(14) VELMORA_KIND_CASE(15)
                VELMORA_KIND_CASE(16) VELMORA_KIND_CASE(17) VELMORA_KIND_CASE(18) VELMORA_KIND_CASE(19)
                    VELMORA_KIND_CASE(20) VELMORA_KIND_CASE(21) VELMORA_KIND_CASE(22) VELMORA_KIND_CASE(23)
                        VELMORA_KIND_CASE(24) VELMORA_KIND_CASE(25) VELMORA_KIND_CASE(26) VELMORA_KIND_CASE(27)
#undef VELMORA_KIND_CASE
                            default : return;
  }
}

// Whether any of `Count` tests `f.template operator()<I>()` holds, each a
// constant of the program.
template <int Count, class F>
[[gnu::always_inline]] inline bool any_of_constants(F&& f) {
  return [&]<int... I>(std::integer_sequence<int, I...>) { return (f.template operator()<I>() || ...); }
  (std::make_integer_sequence<int, Count>{});
}

}  // namespace velmora
