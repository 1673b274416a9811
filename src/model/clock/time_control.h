// Time controls: how much thinking time an army has and what a move costs it.
// None (the clocks only measure), sudden death (one stock of time for the
// whole match), Fischer (a stock that grows by an increment after every
// move) and byoyomi (a main time, then a fixed time a move, in one or more
// periods: a move made within a period costs nothing, a period run past is
// used up, and the flag falls when the last one is). Each army has a control
// of its own, so that one may give the other time as a handicap.
//
// Written as text: "none", "sudden:SECONDS", "fischer:SECONDS+INCREMENT" or
// "byoyomi:SECONDS+BYOYOMI[xPERIODS]", seconds with fractions allowed.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace velmora {

enum class TimeKind { None, Sudden, Fischer, Byoyomi };

struct TimeControl {
  TimeKind kind = TimeKind::None;
  double main_seconds = 0;  // the stock at the start (byoyomi: the main time)
  double increment = 0;     // Fischer: added after every move
  double byoyomi = 0;       // byoyomi: the time of a move once the main time is spent
  int periods = 1;          // byoyomi: how many such periods
  bool operator==(const TimeControl&) const = default;
};

// The most a control may give, so that a clock always fits its face.
inline constexpr double MAX_CONTROL_SECONDS = 100 * 3600 - 1;
inline constexpr int MAX_PERIODS = 99;
// Below this much time left the clock warns.
inline constexpr double WARNING_SECONDS = 10;

// The time an army has left between its moves.
struct ArmyTime {
  double main_left = 0;  // the stock, or the byoyomi's main time, left
  int periods_left = 0;  // byoyomi periods not yet used up
  bool operator==(const ArmyTime&) const = default;
};

// The army's time at the start of a match.
ArmyTime starting_time(const TimeControl& control);

// How long the army may think in this turn before its flag falls (under no
// control: without end).
double allowance(const TimeControl& control, const ArmyTime& time);

// Whether the flag has fallen after `elapsed` seconds of the turn: the time
// is spent exactly when the allowance is.
bool flag_fallen(const TimeControl& control, const ArmyTime& time, double elapsed);

// The army's time after a move that took `elapsed` seconds (less than the
// allowance): the stock spent, the increment added, byoyomi periods run past
// used up one by one.
ArmyTime after_move(const TimeControl& control, const ArmyTime& time, double elapsed);

// What the army's clock shows `elapsed` seconds into its turn: the seconds
// left of the main time, or of the running byoyomi period, and the periods
// still to come after it (0 but under byoyomi).
struct ClockFace {
  double seconds = 0;
  int periods = 0;
  bool byoyomi = false;  // the main time is spent: the periods are counting
};
ClockFace clock_face(const TimeControl& control, const ArmyTime& time, double elapsed);

// The clock warns: under a control, at most WARNING_SECONDS are left of the
// turn's allowance.
bool time_is_short(const TimeControl& control, const ArmyTime& time, double elapsed);

// How long level 4 thinks over a move: a share of the stock left plus the
// increment, or the byoyomi period, always a margin short of the flag.
double thinking_budget(const TimeControl& control, const ArmyTime& time);

// The control as text ("none", "fischer:60+2", "byoyomi:600+30x3").
std::string format_time_control(const TimeControl& control);

// Why a text names no control, in a line a person can read.
struct TimeControlFault {
  std::string what;
};
Result<TimeControl, TimeControlFault> parse_time_control(std::string_view text);

}  // namespace velmora
