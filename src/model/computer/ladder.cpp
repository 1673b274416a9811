#include "computer/ladder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "engine/hashing.h"

namespace velmora {
namespace {

// Every move of the root is first read this deep (at most): the move and the
// reply, with the captures after it. One ply reads the position after the
// move alone, as the engine scores it at rest.
constexpr int FIRST_LOOK_PLIES = 2;
// A safety against the rare position whose captures and checks go on and
// on: a read of one move takes at most this many nodes, and all the reads of
// a turn together at most this many (a read past them scores what it has
// searched to the end); the time is never looked at but as a last resort.
// In the opening a read of four plies takes a few thousand, of six (the
// highest rung) some ten thousand and now and then forty.
constexpr long long NODES_PER_MOVE_READ = 100'000;
constexpr long long NODES_PER_TURN = 1'500'000;
constexpr double SECONDS_PER_MOVE_READ = 30.0;
constexpr int WON_OR_LOST = SCORE_WIN - 200;

struct RootMove {
  SearchMove move;
  int score = 0;
};

// The moves of the side to move that keep its king, not read yet.
std::vector<RootMove> root_moves(SearchPosition& p) {
  std::vector<RootMove> moves;
  for (const SearchMove& move : moves_keeping_the_king(p)) moves.push_back({move});
  return moves;
}

std::optional<SearchMove> king_capture(SearchPosition& p) {
  SearchMoveList all;
  p.generate(all);
  for (int i = 0; i < all.size; ++i)
    if (!all.moves[i].is_drop() && all.moves[i].to() == p.king_square(-p.side_to_move())) return all.moves[i];
  return std::nullopt;
}

using TurnClock = std::chrono::steady_clock;

// What a turn may spend: nodes, and under a time control the time it may
// think, past which the moves not read yet are left out of the choice.
struct TurnBudget {
  long long nodes_left = NODES_PER_TURN;
  TurnClock::time_point deadline = TurnClock::time_point::max();

  double seconds_left() const {
    if (deadline == TurnClock::time_point::max()) return SECONDS_PER_MOVE_READ;
    return std::chrono::duration<double>(deadline - TurnClock::now()).count();
  }
};

// Reads the root moves `plies` deep, each as the engine answers the position
// after it, the cost of a position the game met before counted off. A turn
// out of time keeps the moves read (the first always is). False when the
// search was stopped.
bool read_moves(StrongRoot& root, Engine& engine, std::vector<RootMove>& moves, int plies,
                const std::vector<std::uint64_t>& before_reply, TurnBudget& budget, const std::atomic<bool>* stop) {
  SearchLimits limits;
  limits.max_depth = plies - 1;
  SearchPosition& p = root.position;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    RootMove& m = moves[i];
    const double seconds = budget.seconds_left();
    if (i > 0 && seconds <= 0) {
      moves.resize(i);
      break;
    }
    limits.seconds = std::clamp(seconds, 0.001, SECONDS_PER_MOVE_READ);
    limits.max_nodes = std::clamp(budget.nodes_left, 1LL, NODES_PER_MOVE_READ);
    p.make(m.move);
    const long long met = std::count(root.earlier.begin(), root.earlier.end(), p.hash());
    const SearchReport reply = engine.think(p, limits, before_reply, stop);
    budget.nodes_left -= reply.nodes;
    p.unmake();
    if (stop && stop->load(std::memory_order_relaxed)) return false;
    m.score = -reply.score;
    if (std::abs(m.score) < WON_OR_LOST) m.score -= REPEAT_COST * static_cast<int>(met);
  }
  // The best first; equal moves keep the order of the moves' generation.
  std::stable_sort(moves.begin(), moves.end(), [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
  return true;
}

// A number drawn from the seed and the position alone.
std::uint64_t die(std::uint64_t seed, std::uint64_t position) {
  return split_mix((seed ^ position) + 0x9e3779b97f4a7c15ULL);
}

}  // namespace

std::optional<LadderRung> ladder_rung(int number) {
  if (number < 1 || number > LADDER_RUNG_COUNT) return std::nullopt;
  return LADDER_RUNGS[number - 1];
}

std::optional<int> ladder_rung_named(std::string_view name) {
  for (int i = 0; i < LADDER_RUNG_COUNT; ++i)
    if (name == LADDER_RUNGS[i].name) return i + 1;
  return std::nullopt;
}

std::optional<Candidate> ladder_search(StrongRoot& root, Engine& engine, const LadderRung& rung, std::uint64_t seed,
                                       const std::atomic<bool>* stop, std::optional<double> seconds) {
  SearchPosition& p = root.position;
  if (const std::optional<SearchMove> take = king_capture(p)) return candidate_of(*take);
  std::vector<RootMove> moves = root_moves(p);
  if (moves.empty()) return strong_search(root, engine, SearchLimits{}, stop);  // lost whatever it plays
  std::vector<std::uint64_t> before_reply = root.earlier;
  before_reply.push_back(p.hash());
  TurnBudget budget;
  if (seconds)
    budget.deadline =
        TurnClock::now() + std::chrono::duration_cast<TurnClock::duration>(std::chrono::duration<double>(*seconds));
  if (!read_moves(root, engine, moves, std::min(rung.plies, FIRST_LOOK_PLIES), before_reply, budget, stop))
    return std::nullopt;
  if (rung.plies > FIRST_LOOK_PLIES && rung.candidates > 0) {
    moves.resize(std::min<std::size_t>(moves.size(), rung.candidates));
    if (!read_moves(root, engine, moves, rung.plies, before_reply, budget, stop)) return std::nullopt;
  }
  const int best = moves.front().score;
  const auto close = std::find_if(moves.begin(), moves.end(), [&](const RootMove& m) {
    return m.score < best - rung.margin || std::abs(best) >= WON_OR_LOST;
  });
  const std::size_t count = std::max<std::size_t>(1, close - moves.begin());
  return candidate_of(moves[die(seed, p.hash()) % count].move);
}

}  // namespace velmora
