#include "training/move_judgement.h"

#include <algorithm>

#include "review/game_review.h"

namespace velmora {
namespace {

SearchReport searched(Engine& engine, const PositionSetup& setup, const SearchLimits& limits,
                      const std::atomic<bool>& stop) {
  SearchPosition root(setup);
  engine.clear();
  return engine.think(root, limits, {}, &stop);
}

}  // namespace

MoveJudgement judge_played_move(Engine& engine, const PositionSetup& before, const PositionSetup& after,
                                const SearchLimits& limits, const std::atomic<bool>& stop) {
  MoveJudgement judgement;
  const SearchReport first = searched(engine, before, limits, stop);
  const SearchReport second = searched(engine, after, limits, stop);
  judgement.stopped = stop.load();
  judgement.best = first.best;
  judgement.loss = std::max(0.0, winning_chances(first.score) - winning_chances(-second.score));
  return judgement;
}

bool same_move(const Candidate& a, const Candidate& b) {
  return a.is_drop() == b.is_drop() && (a.is_drop() ? a.hand == b.hand : a.from == b.from) && a.to == b.to &&
         a.final_code == b.final_code;
}

}  // namespace velmora
