// The computer playing both sides, to produce positions and soak the core.
//
// Every move of a self-play game, the computer's and the random ones, is
// played through the game's own move routine and followed by the checks of
// rules/position_check.h. A failed check prints the seed, the game, the move
// and the position before it, and ends the run.
#pragma once

#include <ostream>

namespace velmora {

// Prints `positions` position lines (the input format of velmora-com), one
// before every computer move of a run of games. `seed` varies the games: the
// main army's nation, the chess-drop option, a few random opening moves, a
// random move now and then, and the level of every move. False when a check
// failed (reported on `report`).
bool run_selfplay(int positions, unsigned seed, std::ostream& out, std::ostream& report);

// Plays `games` whole games the same way without printing positions, then a
// summary line on `report`: how many moves and how each game ended. False
// when a check failed.
bool run_soak(int games, unsigned seed, std::ostream& report);

}  // namespace velmora
