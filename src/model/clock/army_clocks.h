// The time controls of both armies and the time each has left at a position
// of the move list. The list keeps every move's thinking time on the clock
// of the side that moved, so the time left after any move follows from the
// controls and the list alone: a step back through the list, a take-back, a
// flip or a match resumed from its file give back the times as they stood.
#pragma once

#include "clock/time_control.h"
#include "rules/position.h"

namespace velmora {

// An army as `turn` numbers it (MAIN_ARMY, CHESS_ARMY of rules/turn_order.h).
template <class T>
struct PerArmy {
  T main_army{};
  T chess_army{};
  T& of(int army) { return army > 0 ? main_army : chess_army; }
  const T& of(int army) const { return army > 0 ? main_army : chess_army; }
  bool operator==(const PerArmy&) const = default;
};

using TimeControls = PerArmy<TimeControl>;
using ArmyTimes = PerArmy<ArmyTime>;

// Whether either army plays under a control.
bool timed(const TimeControls& controls);

ArmyTimes starting_times(const TimeControls& controls);

// The time each army has left after move n of the position's list (0: the
// start), with the armies on the sides `pos.chess_sign` gives them.
ArmyTimes times_after(const TimeControls& controls, const Position& pos, int n);

}  // namespace velmora
