// What follows a match against the computer from beside it (the teaching
// game): told when the person's move has been played, and when the
// computer's turn after it has ended.
#pragma once

#include "rules/candidate.h"
#include "rules/position.h"

namespace velmora {

struct Game;

class MatchWatcher {
 public:
  virtual ~MatchWatcher() = default;
  // The person's move was played from `before`.
  virtual void persons_move_played(Game& g, const Position& before, const Candidate& move) = 0;
  // The computer's turn has ended: with its move played, or without one
  // (stopped by Esc, closing or 待った, or it resigned).
  virtual void reply_ended(Game& g, bool played) = 0;
};

}  // namespace velmora
