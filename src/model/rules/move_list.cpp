#include "rules/move_list.h"

#include <utility>

namespace velmora {

void 手順保存(Position& pos, const ListedMove& move) {
  const int n = pos.move_number;
  if (n < 0) return;
  // The list grows with the match; a long match never runs out of slots.
  HistorySlot& slot = pos.history.slot(n);
  slot.board = pos.board;
  slot.hand_own = pos.hand_own;
  slot.hand_enemy = pos.hand_enemy;
  slot.move_to = move.move.to;
  slot.move_code = move.move.final_code;
  slot.clock_own_before = move.own_before;
  slot.clock_own_after = move.own_after;
  slot.clock_enemy_before = move.enemy_before;
  slot.clock_enemy_after = move.enemy_after;
  pos.history.set_length(n);
}

void turn_slot(HistorySlot& slot) {
  slot.board = turned_board(slot.board);
  std::swap(slot.hand_own, slot.hand_enemy);
  std::swap(slot.clock_own_before, slot.clock_enemy_before);
  std::swap(slot.clock_own_after, slot.clock_enemy_after);
  if (on_board(slot.move_to)) slot.move_to = turned_cell(slot.move_to);
  slot.move_code = -slot.move_code;
}

void turn_move_list(MoveList& list) {
  for (HistorySlot& slot : list.slots) turn_slot(slot);
  list.note_written({0, static_cast<int>(list.slots.size()) - 1});
  list.turned = !list.turned;
}

}  // namespace velmora
