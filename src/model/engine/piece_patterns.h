// The patterns of every kind (rules/piece_moves.h) laid out once, when the
// program is built, as level 4 walks them: offsets on the padded board for
// each side, and the reverse tables its attack test reads from the attacked
// square outwards.
#pragma once

#include <array>
#include <cstdint>

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

struct PaddedMoves {
  std::uint8_t count = 0;
  std::array<PaddedPattern, MAX_PATTERNS> patterns{};
  bool castles = false;

  constexpr const PaddedPattern* begin() const { return patterns.data(); }
  constexpr const PaddedPattern* end() const { return patterns.data() + count; }
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
// A step's entry in the reverse table: no step, or a step with its bound.
inline constexpr std::uint8_t NO_STEP = 0xff;

struct PaddedTables {
  std::array<std::array<PaddedMoves, KIND_COUNT + 1>, 2> moves{};
  // Per side, per line from the attacked square: the kinds that ride along it
  // towards the square, that fire along it over a screen, and each kind's
  // step from the line's first square onto the square (its Bound, or NO_STEP).
  std::array<std::array<std::uint32_t, 8>, 2> riders{}, cannons{};
  std::array<std::array<std::array<std::uint8_t, KIND_COUNT + 1>, 8>, 2> steps_in{};
  std::array<std::array<LeapIn, MAX_LEAPS_IN>, 2> leaps_in{};
  std::array<int, 2> leap_count{};

  constexpr PaddedTables() {
    for (int s = 0; s < 2; ++s) {
      for (auto& line : steps_in[s]) line.fill(NO_STEP);
      for (int kind = 1; kind <= KIND_COUNT; ++kind) lay_out(s, kind);
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
    PaddedMoves& out = moves[s][kind];
    out.count = m.count;
    out.castles = m.castles;
    for (int i = 0; i < m.count; ++i) {
      const Pattern& p = m.patterns[i];
      PaddedPattern& q = out.patterns[i];
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
        if (line >= 0) {
          steps_in[s][line][kind] = static_cast<std::uint8_t>(q.bound);
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

inline constexpr const PaddedMoves& padded_moves(int side, int kind) {
  return PADDED_TABLES.moves[side_index(side)][kind];
}

// Whether `bound` holds for a piece of `side` going from `from` to `to`.
constexpr bool padded_bound_holds(Bound bound, int side, int from, int to) {
  return bound == Bound::Anywhere || bound_holds(bound, side, row_of(from), column_of(to), row_of(to));
}

}  // namespace velmora
