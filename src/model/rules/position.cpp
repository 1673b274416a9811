#include "rules/position.h"

#include "rules/moves.h"

namespace velmora {
namespace {

int hand_sum(const Hand& hand) {
  int total = 0;
  for (int k = 1; k < static_cast<int>(hand.size()); ++k) total += hand[k];
  return total;
}

}  // namespace

void Position::refresh_derived() {
  hand_own_total = hand_sum(hand_own);
  hand_enemy_total = hand_sum(hand_enemy);
  調査_2歩フラグ設定(*this);
}

}  // namespace velmora
