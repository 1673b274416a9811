#include "clock/time_control.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

// Level 4 spends this share of its stock on a move (about so many moves to go).
constexpr double MOVES_TO_GO = 30;
// And of a Fischer increment this share on top: the rest builds a reserve.
constexpr double INCREMENT_SHARE = 0.5;
// It keeps this much short of the flag, and this share of the time it may
// use, for the moments between its search and its move.
constexpr double MARGIN_SECONDS = 0.1;
constexpr double MARGIN_SHARE = 0.05;
// The shortest thought it is given when hardly anything is left.
constexpr double LEAST_SHARE = 0.25;

struct KindName {
  TimeKind kind;
  std::string_view name;
};
constexpr KindName KIND_NAMES[] = {
    {TimeKind::None, "none"},
    {TimeKind::Sudden, "sudden"},
    {TimeKind::Fischer, "fischer"},
    {TimeKind::Byoyomi, "byoyomi"},
};

// The byoyomi periods that `over` seconds past the main time use up.
int periods_run_past(const TimeControl& control, double over) {
  return static_cast<int>(std::floor(over / control.byoyomi));
}

// The text in quotation marks, followed by `what` is wrong with it.
std::string quoted(std::string_view text, std::string_view what) {
  std::string q(1, '"');
  q += text;
  q += "\" ";
  q += what;
  return q;
}

// The shortest digits that read back as `seconds`, never with an exponent:
// "1e+05" would split at its '+' as the increment does.
std::string seconds_text(double seconds) {
  char digits[400];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, seconds, std::chars_format::fixed).ptr);
}

// Reads text as a number of seconds in [least, MAX_CONTROL_SECONDS].
Result<double, TimeControlFault> seconds_of(std::string_view text, double least, std::string_view what) {
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !(seconds >= least) ||
      seconds > MAX_CONTROL_SECONDS)
    return Failure{TimeControlFault{std::string(what) + " " + quoted(text, "is out of range")}};
  return seconds;
}

// Splits "A<mark>B" at the first mark; no mark: B is empty and `found` false.
std::pair<std::string_view, std::string_view> split_at(std::string_view text, char mark, bool& found) {
  const std::size_t at = text.find(mark);
  found = at != std::string_view::npos;
  if (!found) return {text, {}};
  return {text.substr(0, at), text.substr(at + 1)};
}

Result<TimeControl, TimeControlFault> parse_settings(TimeKind kind, std::string_view settings) {
  TimeControl control;
  control.kind = kind;
  bool has_second = false;
  auto [main_text, rest] = split_at(settings, '+', has_second);
  if ((kind == TimeKind::Sudden) == has_second)
    return Failure{TimeControlFault{kind == TimeKind::Sudden ? "sudden takes SECONDS" : "SECONDS+SECONDS expected"}};
  const auto main =
      seconds_of(main_text, kind == TimeKind::Byoyomi ? 0 : std::numeric_limits<double>::min(), "the main time");
  if (!main) return Failure{main.error()};
  control.main_seconds = *main;
  if (kind == TimeKind::Sudden) return control;
  bool has_periods = false;
  auto [second_text, periods_text] = split_at(rest, 'x', has_periods);
  if (has_periods && kind != TimeKind::Byoyomi) return Failure{TimeControlFault{"only byoyomi has periods"}};
  const auto second = seconds_of(second_text, kind == TimeKind::Byoyomi ? std::numeric_limits<double>::min() : 0,
                                 kind == TimeKind::Byoyomi ? "the byoyomi" : "the increment");
  if (!second) return Failure{second.error()};
  (kind == TimeKind::Byoyomi ? control.byoyomi : control.increment) = *second;
  if (!has_periods) return control;
  const auto [end, error] =
      std::from_chars(periods_text.data(), periods_text.data() + periods_text.size(), control.periods);
  if (periods_text.empty() || error != std::errc{} || end != periods_text.data() + periods_text.size() ||
      control.periods < 1 || control.periods > MAX_PERIODS)
    return Failure{TimeControlFault{"the periods " + quoted(periods_text, "are out of range")}};
  return control;
}

}  // namespace

ArmyTime starting_time(const TimeControl& control) {
  return {control.main_seconds, control.kind == TimeKind::Byoyomi ? control.periods : 0};
}

double allowance(const TimeControl& control, const ArmyTime& time) {
  switch (control.kind) {
    case TimeKind::None: return std::numeric_limits<double>::infinity();
    case TimeKind::Byoyomi: return time.main_left + time.periods_left * control.byoyomi;
    default: return time.main_left;
  }
}

bool flag_fallen(const TimeControl& control, const ArmyTime& time, double elapsed) {
  return elapsed >= allowance(control, time);
}

ArmyTime after_move(const TimeControl& control, const ArmyTime& time, double elapsed) {
  ArmyTime after = time;
  switch (control.kind) {
    case TimeKind::None: break;
    case TimeKind::Sudden: after.main_left = std::max(0.0, time.main_left - elapsed); break;
    case TimeKind::Fischer: after.main_left = std::max(0.0, time.main_left - elapsed) + control.increment; break;
    case TimeKind::Byoyomi:
      if (elapsed < time.main_left) {
        after.main_left = time.main_left - elapsed;
      } else {
        after.main_left = 0;
        after.periods_left = std::max(0, time.periods_left - periods_run_past(control, elapsed - time.main_left));
      }
      break;
  }
  return after;
}

ClockFace clock_face(const TimeControl& control, const ArmyTime& time, double elapsed) {
  if (control.kind != TimeKind::Byoyomi || elapsed < time.main_left)
    return {std::max(0.0, time.main_left - elapsed), control.kind == TimeKind::Byoyomi ? time.periods_left : 0, false};
  const double over = elapsed - time.main_left;
  const int used = periods_run_past(control, over);
  if (used >= time.periods_left) return {0, 0, true};
  return {control.byoyomi - (over - used * control.byoyomi), time.periods_left - used - 1, true};
}

bool time_is_short(const TimeControl& control, const ArmyTime& time, double elapsed) {
  return control.kind != TimeKind::None && allowance(control, time) - elapsed <= WARNING_SECONDS;
}

double thinking_budget(const TimeControl& control, const ArmyTime& time) {
  double room = time.main_left;  // what the move may use without losing anything that is not stock
  double share = time.main_left / MOVES_TO_GO;
  switch (control.kind) {
    case TimeKind::None: return std::numeric_limits<double>::infinity();
    case TimeKind::Sudden: break;
    case TimeKind::Fischer: share += INCREMENT_SHARE * control.increment; break;
    case TimeKind::Byoyomi:
      if (time.periods_left > 0) {
        room += control.byoyomi;  // one period, whole: a move within it costs nothing
        share += control.byoyomi;
      }
      break;
  }
  const double most = room - MARGIN_SECONDS - MARGIN_SHARE * room;
  if (most <= 0) return LEAST_SHARE * room;
  return std::min(share, most);
}

std::string format_time_control(const TimeControl& control) {
  std::string text(KIND_NAMES[static_cast<int>(control.kind)].name);
  if (control.kind == TimeKind::None) return text;
  text += ':';
  text += seconds_text(control.main_seconds);
  if (control.kind == TimeKind::Sudden) return text;
  text += '+';
  text += seconds_text(control.kind == TimeKind::Fischer ? control.increment : control.byoyomi);
  if (control.kind == TimeKind::Byoyomi && control.periods > 1) {
    text += 'x';
    text += std::to_string(control.periods);
  }
  return text;
}

Result<TimeControl, TimeControlFault> parse_time_control(std::string_view text) {
  bool has_settings = false;
  const auto [name, settings] = split_at(text, ':', has_settings);
  for (const KindName& k : KIND_NAMES) {
    if (name != k.name) continue;
    if (k.kind == TimeKind::None) {
      if (has_settings) return Failure{TimeControlFault{"none takes no settings"}};
      return TimeControl{};
    }
    if (!has_settings) return Failure{TimeControlFault{std::string(name) + " needs its settings"}};
    return parse_settings(k.kind, settings);
  }
  return Failure{TimeControlFault{quoted(text, "is not sudden:, fischer:, byoyomi: or none")}};
}

}  // namespace velmora
