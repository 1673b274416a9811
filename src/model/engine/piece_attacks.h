// The squares a piece attacks on the padded board: where it could move or
// capture if the square held an opposing piece (own pieces included, so that
// the evaluation can count guards as well as attacks).
#pragma once

#include "engine/piece_patterns.h"
#include "engine/squares.h"

namespace velmora {

// The attacks of a piece of `Kind` and `side` on `from`: its lines and free
// steps in loops, its other patterns one by one.
template <int Kind, class Visit>
inline void visit_kind_attacks(const Cells& cells, int from, int side, Visit& visit) {
  static constexpr auto rides = free_patterns<Kind, Shape::Ride>();
  static constexpr auto steps = free_patterns<Kind, Shape::Step>();
  for (const Pattern& p : rides) {
    const int offset = padded_offset<Kind>(p.dx, p.dy, side);
    for (int to = from + offset; cells[to] != OFF_BOARD; to += offset) {
      visit(to);
      if (cells[to] != EMPTY) break;
    }
  }
  for (const Pattern& p : steps) {
    const int to = from + padded_offset<Kind>(p.dx, p.dy, side);
    if (cells[to] != OFF_BOARD) visit(to);
  }
  for_each_pattern<Kind>([&]<Pattern P>() {
    const int to = from + padded_offset<Kind>(P.dx, P.dy, side);
    if constexpr ((P.shape == Shape::Step || P.shape == Shape::Capture) && P.bound != Bound::Anywhere) {
      if (cells[to] != OFF_BOARD && padded_bound_holds(P.bound, side, from, to)) visit(to);
    } else if constexpr (P.shape == Shape::Leg) {
      if (cells[from + padded_offset<Kind>(P.lx, P.ly, side)] == EMPTY && cells[to] != OFF_BOARD &&
          padded_bound_holds(P.bound, side, from, to))
        visit(to);
    } else if constexpr (P.shape == Shape::Cannon) {  // the first piece beyond the screen
      const int offset = to - from;
      int at = to;
      while (cells[at] == EMPTY) at += offset;
      if (cells[at] == OFF_BOARD) return;
      for (at += offset; cells[at] == EMPTY; at += offset) {
      }
      if (cells[at] != OFF_BOARD) visit(at);
    }  // a push takes nothing; lines and free steps are walked above
  });
}

// Calls `visit(square)` for every square the piece with `code` attacks from
// `from` on `cells` (the piece need not stand there).
template <class Visit>
void visit_attacks(const Cells& cells, int from, int code, Visit&& visit) {
  const int side = sign_of(code);
  with_kind(kind_of(code), [&]<int K>() { visit_kind_attacks<K>(cells, from, side, visit); });
}

}  // namespace velmora
