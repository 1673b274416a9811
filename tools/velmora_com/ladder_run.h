// The ladder of the computer's strengths measured: every neighbouring pair of
// levels 1, 2, 3, the rungs (computer/ladder.h) and full level 4 plays a
// match, and one Elo number is fitted to each (level 1 at 0).
#pragma once

#include <ostream>

namespace velmora {

struct LadderOptions {
  int games = 20;          // the games of each pair
  int top_games = 4;       // the games of the top rung against full level 4, which thinks the longest
  unsigned seed = 1;       // the seed of the first pair; each pair after takes the next
  int movetime_ms = 1000;  // full level 4's thinking time a move
};

// Plays the pairs weakest first, printing their games and results on `out`,
// then the table of fitted Elo numbers. False when a match failed (told on
// `report`).
bool run_ladder(const LadderOptions& options, std::ostream& out, std::ostream& report);

}  // namespace velmora
