// Matches between two levels of the computer player, for measuring strength.
#pragma once

#include <ostream>

namespace velmora {

struct MatchOptions {
  int level_a = 4, level_b = 3;
  int games = 2;
  unsigned seed = 1;
  int movetime_ms = 1000;  // the thinking time of level 4 a move
};

// Plays the games in pairs from short random openings, each pair with the
// armies swapped, and prints a line per game and the wins, draws and losses
// of A with an Elo difference on `out`. A game ends when a king is taken or a
// side has no move; at the move cap it is a draw. False when a move was
// refused by the rules or a position check failed (told on `report`).
bool run_match(const MatchOptions& options, std::ostream& out, std::ostream& report);

// The Elo difference that a score (0..1) means, and the half-width of its 95 %
// interval from the spread of the games' results.
struct EloEstimate {
  double difference = 0;
  double margin = 0;
};
EloEstimate estimate_elo(int wins, int draws, int losses);

}  // namespace velmora
