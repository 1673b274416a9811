#include "computer/computer_choice.h"

#include "computer/com_analysis.h"
#include "computer/strong_player.h"

namespace velmora {

std::optional<ComputerChoice> computer_choice(Position& pos, InfluenceMaps& maps, int level,
                                              const SearchOptions& options, const SearchLimits& strong_limits) {
  ComputerChoice choice;
  if (level == STRONG_LEVEL) {
    StrongRoot root = strong_root(pos, options.chess_drops);
    Engine engine;
    SearchReport report;
    if (!strong_search(root, engine, within_move_time(strong_limits), choice.move, nullptr, &report))
      return std::nullopt;
    choice.score = report.score * 10;
    // A move the rules would refuse is never chosen: the search of the other
    // levels answers instead, as in the window's turn.
    if (rules_allow(pos, choice.move, +1)) return choice;
  }
  ComAnalysis com;
  com.com_level = level;
  if (!search_candidates(pos, maps, com, options, choice.move)) return std::nullopt;
  choice.score = com.com_best_score;
  return choice;
}

}  // namespace velmora
