// The squares a piece attacks on the padded board: where it could move or
// capture if the square held an opposing piece (own pieces included, so that
// the evaluation can count guards as well as attacks).
#pragma once

#include "engine/piece_patterns.h"
#include "engine/squares.h"

namespace velmora {

// Calls `visit(square)` for every square the piece with `code` attacks from
// `from` on `cells` (the piece need not stand there), pattern by pattern.
template <class Visit>
void visit_attacks(const Cells& cells, int from, int code, Visit&& visit) {
  const int side = sign_of(code);
  auto step = [&](int to, Bound bound) {
    if (cells[to] != OFF_BOARD && padded_bound_holds(bound, side, from, to)) visit(to);
  };
  for (const PaddedPattern& p : padded_moves(side, kind_of(code))) {
    switch (p.shape) {
      case Shape::Step:
      case Shape::Capture: step(from + p.offset, p.bound); break;
      case Shape::Leg:
        if (cells[from + p.aside] == EMPTY) step(from + p.offset, p.bound);
        break;
      case Shape::Ride:
        for (int to = from + p.offset; cells[to] != OFF_BOARD; to += p.offset) {
          visit(to);
          if (cells[to] != EMPTY) break;
        }
        break;
      case Shape::Cannon: {  // the first piece beyond the screen
        int to = from + p.offset;
        while (cells[to] == EMPTY) to += p.offset;
        if (cells[to] == OFF_BOARD) break;
        for (to += p.offset; cells[to] == EMPTY; to += p.offset) {
        }
        if (cells[to] != OFF_BOARD) visit(to);
        break;
      }
      case Shape::Push: break;  // a push takes nothing
    }
  }
}

}  // namespace velmora
