#include "review/review_pool.h"

#include <algorithm>
#include <thread>

namespace velmora {
namespace {

// A search limited by nodes alone: the clock must not end it early.
constexpr double NODE_LIMITED_SECONDS = 24 * 3600;

SearchLimits search_limits(const ReviewLimits& limits) {
  SearchLimits search;
  search.seconds = limits.nodes > 0 ? NODE_LIMITED_SECONDS : limits.seconds;
  search.max_nodes = limits.nodes;
  return search;
}

// One thread of the pool: takes positions until none is left or the review
// is stopped. Each position is searched from a clean engine, so that its
// answer is the same whichever thread takes it and whatever it took before.
void search_taken_positions(const std::vector<ReplayedPosition>& positions, const SearchLimits& limits,
                            std::atomic<int>& next, std::vector<SearchReport>& reports, ReviewProgress& progress) {
  Engine engine;
  for (int i = next++; i < static_cast<int>(positions.size()); i = next++) {
    if (progress.stop.load()) return;
    const ReplayedPosition& position = positions[i];
    if (position.king_gone) {
      reports[i].score = -SCORE_WIN;
    } else {
      SearchPosition root(position.setup);
      engine.clear();
      reports[i] = engine.think(root, limits, {}, &progress.stop);
      progress.nodes += reports[i].nodes;
    }
    ++progress.positions_done;
  }
}

}  // namespace

std::vector<SearchReport> search_positions(const std::vector<ReplayedPosition>& positions, const ReviewLimits& limits,
                                           int threads, ReviewProgress& progress) {
  std::vector<SearchReport> reports(positions.size());
  std::atomic<int> next{0};
  const SearchLimits search = search_limits(limits);
  const int helpers = std::clamp(threads, 1, std::max(1, static_cast<int>(positions.size()))) - 1;
  std::vector<std::thread> pool;
  for (int t = 0; t < helpers; ++t)
    pool.emplace_back(search_taken_positions, std::cref(positions), std::cref(search), std::ref(next),
                      std::ref(reports), std::ref(progress));
  search_taken_positions(positions, search, next, reports, progress);
  for (std::thread& thread : pool) thread.join();
  if (progress.stop.load()) return {};
  return reports;
}

}  // namespace velmora
