#include "clock/army_clocks.h"

#include "rules/side.h"
#include "rules/turn_order.h"

namespace velmora {

bool timed(const TimeControls& controls) {
  return controls.main_army.kind != TimeKind::None || controls.chess_army.kind != TimeKind::None;
}

ArmyTimes starting_times(const TimeControls& controls) {
  return {starting_time(controls.main_army), starting_time(controls.chess_army)};
}

ArmyTimes times_after(const TimeControls& controls, const Position& pos, int n) {
  ArmyTimes times = starting_times(controls);
  for (int k = 1; k <= n; ++k) {
    const HistorySlot& slot = pos.history.slot(k);
    if (slot.move_code == 0) continue;
    const Side mover = side_of_code(slot.move_code);
    const double spent = mover == Side::Own ? slot.clock_own_after - slot.clock_own_before
                                            : slot.clock_enemy_after - slot.clock_enemy_before;
    const int army = army_of(pos, mover);
    times.of(army) = after_move(controls.of(army), times.of(army), spent);
  }
  return times;
}

}  // namespace velmora
