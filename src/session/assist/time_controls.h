// The time controls of the menu 表示 (持ち時間): chosen for each army, kept in
// velmora-view.ini as "time_main=CONTROL" and "time_chess=CONTROL" (written
// only while a control is chosen), and named by the move list as text.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

// The preference lines of the controls; none while neither army has one.
std::string time_control_lines(const TimeControls& controls);
// Takes a preference line's control when `key` is one of its keys; a value
// that names no control is passed over.
void take_time_control(const std::string& key, const std::string& value, TimeControls& controls);

// The controls chosen under 表示: kept for the next run, and the match on
// show plays under them at once while none of its moves has been played;
// otherwise they are used from the next new game on, which is told.
void choose_time_controls(Game& g, const TimeControls& controls);

// After the preferences were read at start-up: the game on show plays under
// the controls they name while none of its moves has been played.
void use_time_controls_read(Game& g);

// The lines of the move list as text that name the controls the match is
// played under (none without a control), and that it was lost on time.
std::string time_control_text(const Game& g);
std::string time_out_text(const Game& g);

}  // namespace velmora
