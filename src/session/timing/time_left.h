// The time each side of the match on show has left under its army's time
// control: at the position on the board (from the move list) and, for the
// side to move while its turn is timed, after the turn's time so far.
#pragma once

#include <optional>

#include "game/game.h"
#include "rules/side.h"

namespace velmora {

// Whether the match on show is played under a control (for either army).
bool match_timed(const Game& g);
// The clocks run and are shown: 経過時間 is checked, or the match is timed.
bool clocks_kept(const Game& g);
// The control of the army that plays on `side`.
const TimeControl& side_control(const Game& g, Side side);
// Whether that army plays under a control.
bool side_timed(const Game& g, Side side);

// The army's time at the position on the board, before any running turn.
ArmyTime time_at_position(const Game& g, Side side);
// The seconds of the running turn that count against `side`: turn_elapsed
// while its turn is timed (Timer1 on, or its answer just given), else 0.
double running_turn(const Game& g, Side side);

// What the side's clock shows now.
ClockFace clock_face_now(const Game& g, Side side);
// Little time is left to the side now.
bool short_of_time(const Game& g, Side side);
// The flag of the side to move has fallen in its running turn.
bool flag_fallen_now(const Game& g);

// How long level 4 may think over its move from now, the enemy side to
// move; none when its army plays under no control.
std::optional<double> thinking_time(const Game& g);

}  // namespace velmora
