// Recording a move in the move list.
#pragma once

#include "rules/position.h"

namespace velmora {

// Stores the position now on the board (and both hands), the destination,
// the final code and the four clock values in slot move_number, and cuts the
// list there (record_length := move_number); a match that ended on the list no
// longer does. from_*, code_before and captured are part of the call but not
// stored.
void 手順保存(Position& pos, int from_x, int from_y, int to_x, int to_y, int code_before, int final_code, int captured,
              double own_before, double own_after, double enemy_before, double enemy_after);

// Turns every position of the list round with the board: each board turned
// by 180 degrees, each slot's two hands and two pairs of clock values
// exchanged (each army keeps its pieces and its time), each destination
// turned and each final code negated. Toggles list.turned.
void turn_move_list(MoveList& list);

}  // namespace velmora
