// The strong computer player's search: iterative deepening negamax with
// alpha-beta, a quiescence search of captures and of checks near the king, a
// transposition table, move ordering (hash move, captures by value, killers,
// history) and a time limit. Taking the king ends the game, so a move that
// leaves the mover's king attacked loses; a side without a move that keeps its
// king loses too. The game has no repetition rule: a position met again is
// scored as any other. So that it does not go round in circles, the player
// pays a little for a move back to a position the game has already met, the
// more the more often it was met (REPEAT_COST).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/search_position.h"

namespace velmora {

inline constexpr int SCORE_WIN = 30000;  // the king taken at once; less one a ply
inline constexpr double DEFAULT_MOVE_SECONDS = 1.0;
inline constexpr double MAX_MOVE_SECONDS = 3.0;
// What a root move back to a position of the game costs, for every time the
// game has met that position: the player prefers another move unless this
// one is clearly better, and any circle is left in the end.
inline constexpr int REPEAT_COST = 40;

struct SearchLimits {
  double seconds = DEFAULT_MOVE_SECONDS;
  long long max_nodes = 0;  // 0: no limit
  int max_depth = 64;
  // A root move left out of the search (none: every move is searched): the
  // best move besides it, as a puzzle that must have one answer asks.
  SearchMove excluded;
};

struct SearchReport {
  SearchMove best;  // none only when the side to move has no move at all
  int score = 0;    // for the side to move
  int depth = 0;    // the last depth searched to the end
  long long nodes = 0;
  double seconds = 0;
};

class Engine {
 public:
  explicit Engine(int table_megabytes = 16);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Finds the move for the side to move of `root` (left as it was).
  // `earlier` holds the hashes of the positions of the game before `root`
  // (REPEAT_COST; none for a search that judges a position on its own).
  // `stop`, when given, ends the search as soon as another thread sets it.
  SearchReport think(SearchPosition& root, const SearchLimits& limits, const std::vector<std::uint64_t>& earlier,
                     const std::atomic<bool>* stop = nullptr);

  // Forgets what earlier searches learned (a new game, or a position to be
  // searched as if it were the first): the next search answers exactly as a
  // new engine's would. It costs nothing however large the table is.
  void clear();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace velmora
