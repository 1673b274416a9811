#include "match_clock.h"

namespace velmora {

bool MatchClock::end_turn(int army) {
  last_turn_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - turn_start_).count();
  last_allowance_ = allowance(controls_.of(army), times_.of(army));
  if (flag_fallen(controls_.of(army), times_.of(army), last_turn_)) return false;
  times_.of(army) = after_move(controls_.of(army), times_.of(army), last_turn_);
  return true;
}

}  // namespace velmora
