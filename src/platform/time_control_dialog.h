// The dialog of 表示 → 持ち時間: for each army the kind of time control and its
// times. It only gathers the choice; the session keeps and applies it.
#pragma once

#include <QWidget>
#include <optional>

#include "clock/army_clocks.h"

namespace velmora::platform {

// The controls the player chose, starting from `now`; none when cancelled.
std::optional<TimeControls> ask_time_controls(QWidget* parent, const TimeControls& now);

}  // namespace velmora::platform
