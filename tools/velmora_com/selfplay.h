// The computer playing both sides, to produce positions and soak the core.
#pragma once

#include <ostream>

namespace velmora {

// Prints `positions` position lines (the input format of velmora-com), one
// before every computer move of a run of games. `seed` varies the games: the
// main army's nation, the chess-drop option, a few random opening moves, a
// random move now and then, and the level of every move.
void run_selfplay(int positions, unsigned seed, std::ostream& out);

}  // namespace velmora
