// A move to play, as the person's mouse and the computer's search both name
// it: where the piece comes from, where it goes, its code before and after.
#pragma once

#include "rules/pieces.h"

namespace velmora {

// A move from square (sx, sy), or a drop from a hand, to square (tx, ty).
// A drop names its hand by the column of the hand's slots (the enemy side's
// -1, -3, -5; the own side's 11, 13, 15) and its piece by the hand index in
// sy. `starting` is the code that leaves, `final_code` the code that lands
// (promoted or not).
struct Candidate {
  int sx = 0, sy = 0, tx = 0, ty = 0;
  int starting = 0, final_code = 0;

  bool is_drop() const { return sx < 1 || sx > 9; }
  // The cell of the window the piece leaves: its square, or its hand slot.
  Cell source_cell() const {
    if (!is_drop()) return {sx, sy};
    return {sx, (sx > 9 ? own_hand_slot(sy) : enemy_hand_slot(sy)).y};
  }
  // The square the piece lands on.
  Cell target_cell() const { return {tx, ty}; }
};

}  // namespace velmora
