#include "timing/time_left.h"

#include <algorithm>

#include "rules/turn_order.h"

namespace velmora {

bool match_timed(const Game& g) { return timed(g.timing.match); }

bool clocks_kept(const Game& g) { return g.menu.KEIKA || match_timed(g); }

const TimeControl& side_control(const Game& g, Side side) { return g.timing.match.of(army_of(g.pos, side)); }

bool side_timed(const Game& g, Side side) { return side_control(g, side).kind != TimeKind::None; }

ArmyTime time_at_position(const Game& g, Side side) {
  return times_after(g.timing.match, g.pos, g.pos.move_number).of(army_of(g.pos, side));
}

double running_turn(const Game& g, Side side) {
  const bool running = g.clock.timer1_enabled || g.timing.turn_clock_stopped;
  return side_to_move(g.pos) == side && running ? g.clock.turn_elapsed : 0;
}

ClockFace clock_face_now(const Game& g, Side side) {
  return clock_face(side_control(g, side), time_at_position(g, side), running_turn(g, side));
}

bool short_of_time(const Game& g, Side side) {
  return time_is_short(side_control(g, side), time_at_position(g, side), running_turn(g, side));
}

bool flag_fallen_now(const Game& g) {
  const std::optional<Side> mover = side_to_move(g.pos);
  return mover && running_turn(g, *mover) > 0 &&
         flag_fallen(side_control(g, *mover), time_at_position(g, *mover), running_turn(g, *mover));
}

std::optional<double> thinking_time(const Game& g) {
  if (!side_timed(g, Side::Enemy)) return std::nullopt;
  const double budget = thinking_budget(side_control(g, Side::Enemy), time_at_position(g, Side::Enemy));
  return std::max(0.0, budget - g.clock.turn_elapsed);
}

}  // namespace velmora
