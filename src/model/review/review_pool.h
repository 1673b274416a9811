// The positions of a review searched on a pool of engines, one a thread,
// each with a table of its own: a thread takes the next position not yet
// taken, so the work spreads over the threads however long each search is.
#pragma once

#include <atomic>
#include <vector>

#include "engine/search.h"
#include "review/replayed_game.h"

namespace velmora {

// How long each position is searched: a time, or a number of nodes (then the
// same position gives the same answer on every run, whatever the threads).
struct ReviewLimits {
  double seconds = 0.1;
  long long nodes = 0;  // 0: the time limits the search
};

// What a running review shares with the thread that watches it.
struct ReviewProgress {
  std::atomic<int> positions_done{0};
  std::atomic<long long> nodes{0};
  std::atomic<bool> stop{false};
};

// Searches every position for its side to move with `threads` engines (at
// least one). A position whose side lost its king is not searched: it is lost
// for that side. Answers nothing when `progress.stop` was set before the end.
[[nodiscard]] std::vector<SearchReport> search_positions(const std::vector<ReplayedPosition>& positions,
                                                         const ReviewLimits& limits, int threads,
                                                         ReviewProgress& progress);

}  // namespace velmora
