// Recording a move in the move list.
#pragma once

#include "rules/candidate.h"
#include "rules/position.h"

namespace velmora {

// A played move as the list keeps it: the move (the list keeps the square
// it went to and the code that landed there), and both armies' clocks before
// and after the turn.
struct ListedMove {
  Candidate move;
  double own_before = 0, own_after = 0;
  double enemy_before = 0, enemy_after = 0;
};

// Stores the position now on the board (and both hands) with the move in slot
// move_number, and cuts the list there (record_length := move_number); a
// match that ended on the list no longer does.
void 手順保存(Position& pos, const ListedMove& move);

// Turns one slot round with the board, as turn_move_list turns each.
void turn_slot(HistorySlot& slot);

// Turns every position of the list round with the board: each board turned
// by 180 degrees, each slot's two hands and two pairs of clock values
// exchanged (each army keeps its pieces and its time), each destination
// turned and each final code negated. Toggles list.turned.
void turn_move_list(MoveList& list);

}  // namespace velmora
