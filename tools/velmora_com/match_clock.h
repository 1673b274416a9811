// The clocks of a match between levels under a time control: each army's
// time, its turns measured on the steady clock of the machine.
#pragma once

#include <chrono>

#include "clock/army_clocks.h"

namespace velmora {

class MatchClock {
 public:
  explicit MatchClock(const TimeControl& control) : controls_{control, control}, times_(starting_times(controls_)) {}

  bool timed() const { return velmora::timed(controls_); }
  // How long level 4 of `army` thinks over its move (MAIN_ARMY, CHESS_ARMY).
  double thinking_budget(int army) const { return velmora::thinking_budget(controls_.of(army), times_.of(army)); }

  void start_turn() { turn_start_ = std::chrono::steady_clock::now(); }
  // The turn of `army` ends with its move: false when its flag fell before.
  bool end_turn(int army);
  // The seconds the last turn took, and those it was allowed.
  double last_turn() const { return last_turn_; }
  double last_allowance() const { return last_allowance_; }

 private:
  TimeControls controls_;
  ArmyTimes times_;
  std::chrono::steady_clock::time_point turn_start_;
  double last_turn_ = 0, last_allowance_ = 0;
};

}  // namespace velmora
