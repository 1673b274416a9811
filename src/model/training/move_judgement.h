// Level 4's judgement of one move as it is played: the position before it
// and the one after it searched, and the winning chances the move gave away.
// The teaching game asks it about the person's moves.
#pragma once

#include <atomic>

#include "engine/search.h"
#include "rules/candidate.h"

namespace velmora {

struct MoveJudgement {
  SearchMove best;       // level 4's choice in the position before the move
  double loss = 0;       // the mover's chances given away, 0 to 1
  bool stopped = false;  // the judgement was stopped before it was made
};

// Searches `before` (the mover to move) and `after` (the other side to move)
// within `limits` on `engine`, each from a clean table; the loss is the
// mover's chances before less those after, never below 0. Setting `stop`
// ends it early (stopped).
MoveJudgement judge_played_move(Engine& engine, const PositionSetup& before, const PositionSetup& after,
                                const SearchLimits& limits, const std::atomic<bool>& stop);

// Whether two candidates are one move: the same piece from the same square
// (or the same hand index) to the same square with the same final code.
bool same_move(const Candidate& a, const Candidate& b);

}  // namespace velmora
