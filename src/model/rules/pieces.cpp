#include "rules/pieces.h"

namespace velmora {

Cell own_hand_slot(int hand_index) {
  if (hand_index >= 1 && hand_index <= 5) return {11, hand_index + 4};
  if (hand_index >= 6 && hand_index <= 12) return {15, hand_index - 3};
  if (hand_index >= 13 && hand_index <= 18) return {13, hand_index - 9};
  return {0, 0};
}

Cell enemy_hand_slot(int hand_index) {
  const Cell own = own_hand_slot(hand_index);
  if (own.x == 0) return own;
  return turned_cell(own);
}

int hand_index_of_slot(int x, int y) {
  int index = 0;
  switch (x) {
    case 11: index = y - 4; break;
    case 13: index = y + 9; break;
    case 15: index = y + 3; break;
    case -1: index = 6 - y; break;
    case -3: index = 19 - y; break;
    case -5: index = 13 - y; break;
    default: return 0;
  }
  if (index < 1 || index > 18) return 0;
  const bool own_side = x > 0;
  const Cell back = own_side ? own_hand_slot(index) : enemy_hand_slot(index);
  return (back.x == x && back.y == y) ? index : 0;
}

Board turned_board(const Board& board) {
  Board turned;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) turned(10 - x, 10 - y) = -board(x, y);
  return turned;
}

}  // namespace velmora
