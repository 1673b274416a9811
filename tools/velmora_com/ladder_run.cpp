#include "ladder_run.h"

#include <cmath>
#include <iomanip>
#include <string>
#include <vector>

#include "computer/ladder.h"
#include "elo_fit.h"
#include "match.h"

namespace velmora {
namespace {

struct LadderPlayer {
  int level;
  int rung;
};

// Levels 1-3, the rungs weakest first, full level 4.
std::vector<LadderPlayer> ladder_players() {
  std::vector<LadderPlayer> players{{1, 0}, {2, 0}, {3, 0}};
  for (int rung = 1; rung <= LADDER_RUNG_COUNT; ++rung) players.push_back({STRONG_LEVEL, rung});
  players.push_back({STRONG_LEVEL, 0});
  return players;
}

void print_table(const std::vector<LadderPlayer>& players, const std::vector<PairResult>& pairs,
                 const std::vector<FittedElo>& fitted, int movetime_ms, std::ostream& out) {
  out << "ladder: Elo by maximum likelihood over all pairs (level 1 = 0, draws half a point, each pair one drawn\n"
         "game more than it played), 95 % intervals; full level 4 at "
      << movetime_ms << " ms a move\n";
  for (std::size_t i = 0; i < players.size(); ++i) {
    out << "  " << std::left << std::setw(12) << player_name(players[i].level, players[i].rung) << std::right
        << std::setw(6) << signed_elo(fitted[i].elo);
    if (i > 0) {
      const PairResult& r = pairs[i - 1];
      out << " ± " << std::setw(3) << std::lround(fitted[i].margin) << "   "
          << signed_elo(fitted[i].elo - fitted[i - 1].elo) << " over the one below in " << r.wins + r.draws + r.losses
          << " games (" << r.wins << " wins, " << r.draws << " draws, " << r.losses << " losses)";
    }
    out << '\n';
  }
}

}  // namespace

bool run_ladder(const LadderOptions& options, std::ostream& out, std::ostream& report) {
  const std::vector<LadderPlayer> players = ladder_players();
  std::vector<PairResult> pairs;
  for (std::size_t i = 1; i < players.size(); ++i) {
    MatchOptions match;
    match.level_a = players[i].level;
    match.rung_a = players[i].rung;
    match.level_b = players[i - 1].level;
    match.rung_b = players[i - 1].rung;
    const bool top = i + 1 == players.size();
    match.games = top ? options.top_games : options.games;
    match.seed = options.seed + static_cast<unsigned>(i - 1);
    match.movetime_ms = options.movetime_ms;
    PairResult result{static_cast<int>(i), static_cast<int>(i - 1)};
    match.tally = &result;
    if (!run_match(match, out, report)) return false;
    pairs.push_back(result);
  }
  print_table(players, pairs, fit_ladder(static_cast<int>(players.size()), pairs), options.movetime_ms, out);
  return true;
}

}  // namespace velmora
