#include "computer/computer_choice.h"

#include "computer/com_analysis.h"
#include "computer/strong_player.h"

namespace velmora {

std::optional<ComputerChoice> computer_choice(Position& pos, InfluenceMaps& maps, int level,
                                              const SearchOptions& options, const SearchLimits& strong_limits) {
  if (level == STRONG_LEVEL) {
    StrongRoot root = strong_root(pos, options.chess_drops);
    Engine engine;
    SearchReport report;
    const std::optional<Candidate> move =
        strong_search(root, engine, within_move_time(strong_limits), nullptr, &report);
    if (!move) return std::nullopt;
    // A move the rules would refuse is never chosen: the search of the other
    // levels answers instead, as in the window's turn.
    if (rules_allow(pos, *move, +1)) return ComputerChoice{*move, report.score * 10};
  }
  ComAnalysis com;
  com.com_level = level;
  const std::optional<Candidate> move = search_candidates(pos, maps, com, options);
  if (!move) return std::nullopt;
  return ComputerChoice{*move, com.com_best_score};
}

}  // namespace velmora
