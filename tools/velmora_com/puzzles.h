// velmora-com --puzzles: the training positions of game records, as the
// window would collect them from their reviews.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "review/review_pool.h"
#include "training/training_positions.h"

namespace velmora {

struct PuzzleOptions {
  std::vector<std::string> record_paths;
  ReviewLimits limits;
  int threads = 1;
  TrainingArmy army = TrainingArmy::Both;
};

// Reviews every record and prints one line a position found, its fields
// separated by tabs: the record, the move that went wrong, the record line
// of the position before it, the answer and its lead in winning chances.
// A record that cannot be read is told on `report` and the others go on;
// then the answer is false.
bool print_puzzles(const PuzzleOptions& options, std::ostream& out, std::ostream& report);

}  // namespace velmora
