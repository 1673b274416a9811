#include "rules/position.h"

namespace velmora {

int hand_total(const Hand& hand) {
  int total = 0;
  for (int k = 1; k < static_cast<int>(hand.size()); ++k)
    if (hand[k] > 0) total += hand[k];
  return total;
}

void Position::refresh_two_pawn_flags() {
  for (int x = 1; x <= 9; ++x) {
    hu_column_own_[x] = 0;
    hu_column_enemy_[x] = 0;
    for (int y = 1; y <= 9; ++y) {
      if (board(x, y) == -HU) hu_column_own_[x] = 1;
      if (board(x, y) == +HU) hu_column_enemy_[x] = 1;
    }
  }
}

}  // namespace velmora
