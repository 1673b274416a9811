// What the session keeps about the time controls of one game window: the
// controls chosen under 表示 and those the match on show is played under,
// and what the running turn has told of its time.
#pragma once

#include <string>

#include "clock/army_clocks.h"

namespace velmora {

struct TimingState {
  // The match on show is played under these: those chosen under 表示 (see
  // AssistState) as they stood
  // when it was set up, or as its kept file gives them.
  TimeControls match;
  // The side to move has answered: its clock stands still while the window
  // shows the move (the computer's blink costs it nothing).
  bool turn_clock_stopped = false;
  // The warning that little time is left has sounded in this turn.
  bool warned = false;
  // The flag of the side to move has fallen: the match ends on time once
  // the running event is over.
  bool time_out_due = false;
  // Who lost the match the list ends with on time; empty when it did not end so.
  std::string lost_on_time;
};

}  // namespace velmora
