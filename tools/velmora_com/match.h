// Matches between two levels of the computer player, for measuring strength.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "clock/time_control.h"
#include "elo_fit.h"

namespace velmora {

// The scores level 4 gave the positions of one game, each for the side to
// move, and how the game ended.
struct ScoredGame {
  struct Score {
    int side = 0;  // the sign of the side to move
    int score = 0;
  };
  std::vector<Score> scores;
  int winner = 0;  // the sign of the side that won, 0 for a draw
};

struct MatchOptions {
  int level_a = 4, level_b = 3;
  int rung_a = 0, rung_b = 0;  // a rung of the ladder (computer/ladder.h) at level 4; 0: the level itself
  int games = 2;
  unsigned seed = 1;
  int movetime_ms = 1000;                     // the thinking time of level 4 a move
  TimeControl control;                        // both armies play under it; none: level 4 thinks movetime_ms
  std::string records_folder;                 // when given, every game is saved there as a record
  std::vector<ScoredGame>* scored = nullptr;  // when given, gets level 4's scores of every game
  PairResult* tally = nullptr;                // when given, gets the wins, draws and losses of A
  // When given, the match stops after the pair of games with which the test
  // accepts one of its hypotheses, and says which.
  std::optional<SequentialTest> sprt;
};

// "level 3", or the rung's name ("level rung1").
std::string player_name(int level, int rung);

// Plays the games in pairs from short random openings, each pair with the
// armies swapped, and prints a line per game and the wins, draws and losses
// of A with an Elo difference on `out`. A game ends when a king is taken or a
// side has no move; at the move cap it is a draw. Under a time control a side
// whose flag falls loses on time, and the summary ends with how many games
// each level lost so. False when a move was
// refused by the rules or a position check failed (told on `report`).
bool run_match(const MatchOptions& options, std::ostream& out, std::ostream& report);

// The Elo difference that the score of A (0..1) means, and both ends of its
// 95 % interval, the score plus and minus 1.96 standard errors of the games'
// results. A score of 0 or 1, or an end beyond, has no finite Elo: it is
// -infinity or +infinity.
struct EloEstimate {
  double difference = 0;
  double lower = 0;
  double upper = 0;
};
EloEstimate estimate_elo(int wins, int draws, int losses);
// "+417", "-inf": whole Elo with their sign, and 0 unsigned.
std::string signed_elo(double elo);
// "+417 (95 %: +208 to +inf)": whole Elo with their sign, and 0 unsigned.
std::string format_elo(const EloEstimate& elo);

}  // namespace velmora
