// Moves and positions between a window's board and the wire, which always
// sees the board from the main army's side (see protocol.h), and the check
// a move from the other machine must pass before it is played.
#pragma once

#include "rules/candidate.h"
#include "rules/position.h"

namespace velmora {

// Whether the window's own side (the bottom) plays the main army: then its
// board is the wire's; otherwise it is the wire's turned by 180 degrees.
inline bool own_side_is_main(const Position& pos) { return pos.chess_sign == +1; }

// A move of the window's board as the wire names it, and back.
Candidate wire_move(const Position& pos, const Candidate& move);
Candidate local_move(const Position& pos, const Candidate& wire);

// A slot of the move list seen with the board turned by 180 degrees: board
// squares turned and codes negated, the hands and the clocks of the two
// sides exchanged, the move's square turned and its code negated. Turning
// twice gives the slot back.
HistorySlot turned_slot(const HistorySlot& slot);

// Whether the other machine's move (already in the window's terms) may be
// played on `pos`: its side is to move, the piece named as leaving stands on
// its square (or, for a drop, is in that side's hand), the rules allow the
// move with that final code, and a drop of the chess army is played only
// with `chess_drops`. `pos` is left as it was.
bool remote_move_allowed(const Position& pos, const Candidate& move, bool chess_drops);

}  // namespace velmora
