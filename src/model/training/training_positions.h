// Training positions: the places of a reviewed game where the chosen army
// went wrong ("?" or "??"), each a position to solve: the position before the
// move, the move to find there and the line that shows why. A position is
// kept only when its answer is clearly the one, so that a puzzle never has
// two answers.
#pragma once

#include <vector>

#include "review/game_review.h"

namespace velmora {

// The answer's winning chances must lead those of the best other move by
// this much, searched CHECK_NODES_FACTOR times as long as the review searched
// each position.
inline constexpr double CLEAR_MARGIN = 0.10;
inline constexpr long long CHECK_NODES_FACTOR = 4;
// The line shown with the solution: the answer and the best replies after
// it, at most this many moves.
inline constexpr int LINE_MOVES = 5;

// Whose mistakes become positions.
enum class TrainingArmy { Both, Main, Chess };

struct TrainingPosition {
  PositionSetup setup;           // the position before the mistake; its side to move finds the answer
  int number = 0;                // the move of the game that went wrong, from 1
  SearchMove played;             // what was played there
  SearchMove answer;             // the review's better move
  std::vector<SearchMove> line;  // the answer first, then the best replies
  double margin = 0;             // the answer's chances ahead of the best other move
  Mark mark = Mark::Mistake;
  bool main_army = true;  // the side to move is the main army
  bool nippon = true;     // the main army's line-up: 日本 (OU) or 韓国 (SYOU)
  bool drop = false;      // the answer is a piece from the hand
};

// The nodes of each check search: CHECK_NODES_FACTOR times the nodes the
// review gave each position: its node limit when it had one, else the nodes
// it spent on a position on average.
long long check_nodes(const GameReview& review, const ReviewLimits& limits);

// The moves of the review that may give a position: the "?" and "??" moves
// of `army`.
int training_candidates(const GameReview& review, TrainingArmy army);

// The positions of the game's "?" and "??" moves of `army` whose answer leads
// by CLEAR_MARGIN, in the order of the game. `progress`, when given, counts
// the candidates checked; setting its stop ends the work early, answering
// what was found.
std::vector<TrainingPosition> training_positions(const ReplayedGame& game, const GameReview& review, TrainingArmy army,
                                                 long long check_nodes, ReviewProgress* progress = nullptr);

// The position turned round when the top side is to move, so that the side
// to move plays from the bottom, as the window shows a position to solve:
// the board and hands change places and signs, and so do the moves.
TrainingPosition bottom_to_move(const TrainingPosition& position);

}  // namespace velmora
