// A move to play, as every layer names it: the person's mouse and the typed
// move, the computer's search, level 4's engine (candidate_of) and the match
// that plays it. Its text forms (the record line, velmora-com's lines) and the
// engine's packed move are made from it at those edges only.
#pragma once

#include "rules/pieces.h"
#include "rules/side.h"

namespace velmora {

// A board move goes from square `from` to square `to`; a drop takes the piece
// of hand index `hand` from the mover's hand (the own side's for a negative
// code, the enemy side's for a positive one) and leaves `from` unset.
// `starting` is the code that leaves, `final_code` the code that lands
// (promoted or not).
struct Candidate {
  Cell from;
  Cell to;
  int starting = 0, final_code = 0;
  int hand = 0;  // the hand index of a drop; 0 for a board move

  Candidate() = default;
  Candidate(Cell from_square, Cell to_square, int starting_code, int final, int hand_index = 0)
      : from(from_square), to(to_square), starting(starting_code), final_code(final), hand(hand_index) {}

  bool is_drop() const { return hand != 0; }
  // The cell of the window the piece leaves: its square, or its hand slot.
  Cell source_cell() const {
    if (!is_drop()) return from;
    return side_of_code(starting) == Side::Own ? own_hand_slot(hand) : enemy_hand_slot(hand);
  }
  // The square the piece lands on.
  Cell target_cell() const { return to; }
  // The source as velmora-com's lines and the search traces name it: the
  // square, or for a drop the column of the mover's hand and the hand index.
  Cell named_source() const { return is_drop() ? Cell{source_cell().x, hand} : from; }
  bool operator==(const Candidate&) const = default;
};

// The move seen with the board turned by 180 degrees: its squares turned and
// its codes negated; a drop keeps its hand index, the negated code naming the
// other hand.
inline Candidate turned_move(const Candidate& move) {
  const Cell from = move.is_drop() ? Cell{} : turned_cell(move.from);
  return {from, turned_cell(move.to), -move.starting, -move.final_code, move.hand};
}

// The candidate that velmora-com's lines name by its source (see
// named_source), destination and codes.
inline Candidate named_candidate(Cell source, Cell to, int starting, int final_code) {
  if (on_board(source)) return {source, to, starting, final_code};
  return {Cell{}, to, starting, final_code, source.y};
}

}  // namespace velmora
