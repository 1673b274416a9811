// The time controls: when the flag falls, what a move costs, what the clock
// shows, how long level 4 thinks, and the controls as text.
#include "clock/time_control.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "clock/army_clocks.h"
#include "rules/move_list.h"

namespace velmora {
namespace {

TimeControl control_of(std::string_view text) {
  const auto parsed = parse_time_control(text);
  EXPECT_TRUE(parsed) << text << ": " << (parsed ? "" : parsed.error().what);
  return parsed ? *parsed : TimeControl{};
}

// A turn spent second by second on a clock that only moves when told: the
// flag falls at the first instant the allowance is spent, never before.
TEST(TimeControlFlag, FallsExactlyWhenTheTimeIsSpent) {
  const struct {
    const char* control;
    ArmyTime time;
    double spent_at;  // the instant the flag falls
  } rows[] = {
      {"sudden:300", {300, 0}, 300},   {"sudden:0.5", {0.25, 0}, 0.25},   {"fischer:60+2", {60, 0}, 60},
      {"fischer:60+2", {3.5, 0}, 3.5}, {"byoyomi:600+30", {600, 1}, 630}, {"byoyomi:0+1", {0, 1}, 1},
      {"byoyomi:10+5x3", {10, 3}, 25}, {"byoyomi:10+5x3", {0, 2}, 10},
  };
  for (const auto& row : rows) {
    const TimeControl c = control_of(row.control);
    EXPECT_FALSE(flag_fallen(c, row.time, std::nextafter(row.spent_at, 0.0))) << row.control;
    EXPECT_TRUE(flag_fallen(c, row.time, row.spent_at)) << row.control;
    EXPECT_EQ(clock_face(c, row.time, row.spent_at).seconds, 0) << row.control;
  }
  EXPECT_FALSE(flag_fallen(TimeControl{}, ArmyTime{}, 1e9));
}

TEST(TimeControlMoves, SpendTheStockAndAddTheIncrement) {
  const struct {
    const char* control;
    ArmyTime before;
    double elapsed;
    ArmyTime after;
  } rows[] = {
      {"sudden:300", {300, 0}, 12.5, {287.5, 0}}, {"fischer:60+2", {60, 0}, 5, {57, 0}},
      {"fischer:60+2", {1, 0}, 0.75, {2.25, 0}},  {"byoyomi:60+10x3", {60, 3}, 20, {40, 3}},
      {"byoyomi:60+10x3", {5, 3}, 14.9, {0, 3}},  // within the first period: it costs nothing
  };
  for (const auto& row : rows) EXPECT_EQ(after_move(control_of(row.control), row.before, row.elapsed), row.after);
}

// Each period run past is used up, one by one, and the clock shows the
// running period from its full length.
TEST(TimeControlMoves, ByoyomiPeriodsAreUsedOneByOne) {
  const TimeControl c = control_of("byoyomi:0+10x3");
  ArmyTime t = starting_time(c);
  EXPECT_EQ(t, (ArmyTime{0, 3}));
  const struct {
    double elapsed;
    int periods_after;
  } moves[] = {{9.9, 3}, {10, 2}, {5, 2}, {19.5, 1}};
  for (const auto& move : moves) {
    const ClockFace face = clock_face(c, t, move.elapsed);
    EXPECT_TRUE(face.byoyomi);
    EXPECT_EQ(face.periods, t.periods_left - 1 - static_cast<int>(move.elapsed / 10));
    EXPECT_DOUBLE_EQ(face.seconds, 10 - std::fmod(move.elapsed, 10));
    t = after_move(c, t, move.elapsed);
    EXPECT_EQ(t.periods_left, move.periods_after) << move.elapsed;
  }
  EXPECT_TRUE(flag_fallen(c, t, 10));
}

TEST(TimeControlFace, ShowsTheMainTimeThenTheByoyomiAndWarnsNearTheEnd) {
  const TimeControl c = control_of("byoyomi:30+20x2");
  const ArmyTime start = starting_time(c);
  const ClockFace main = clock_face(c, start, 12);
  EXPECT_FALSE(main.byoyomi);
  EXPECT_EQ(main.seconds, 18);
  EXPECT_EQ(main.periods, 2);
  EXPECT_FALSE(time_is_short(c, start, 59));
  EXPECT_TRUE(time_is_short(c, start, 60));
  EXPECT_FALSE(time_is_short(TimeControl{}, start, 1e9));
}

// Level 4 never plans to think up to the flag, and thinks longer with more time.
TEST(TimeControlBudget, IsAShareOfTheTimeLeftAndStopsShortOfTheFlag) {
  const struct {
    const char* control;
    ArmyTime time;
  } rows[] = {
      {"sudden:300", {300, 0}},     {"sudden:300", {0.05, 0}},    {"fischer:10+0.1", {10, 0}},
      {"fischer:10+0.1", {0.3, 0}}, {"fischer:60+2", {2.5, 0}},   {"byoyomi:0+1", {0, 1}},
      {"byoyomi:600+30", {2, 1}},   {"byoyomi:600+30x3", {0, 1}}, {"byoyomi:0.5+0.2", {0.01, 1}},
  };
  for (const auto& row : rows) {
    const TimeControl c = control_of(row.control);
    const double budget = thinking_budget(c, row.time);
    EXPECT_GT(budget, 0) << row.control;
    EXPECT_LT(budget, allowance(c, row.time)) << row.control;
    // within one byoyomi period: no period is ever spent on purpose
    if (c.kind == TimeKind::Byoyomi) {
      EXPECT_LT(budget, row.time.main_left + c.byoyomi) << row.control;
    }
  }
  const TimeControl sudden = control_of("sudden:300");
  EXPECT_GT(thinking_budget(sudden, {300, 0}), thinking_budget(sudden, {30, 0}));
  EXPECT_GT(thinking_budget(control_of("fischer:10+2"), {10, 0}), thinking_budget(control_of("fischer:10+0"), {10, 0}));
}

TEST(TimeControlText, ReadsAndWritesEveryKind) {
  const struct {
    const char* text;
    TimeControl control;
  } rows[] = {
      {"none", {}},
      {"sudden:300", {TimeKind::Sudden, 300, 0, 0, 1}},
      {"fischer:10+0.1", {TimeKind::Fischer, 10, 0.1, 0, 1}},
      {"fischer:60+0", {TimeKind::Fischer, 60, 0, 0, 1}},
      {"byoyomi:0+1", {TimeKind::Byoyomi, 0, 0, 1, 1}},
      {"byoyomi:600+30x3", {TimeKind::Byoyomi, 600, 0, 30, 3}},
      {"fischer:100000+20", {TimeKind::Fischer, 100000, 20, 0, 1}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(control_of(row.text), row.control) << row.text;
    EXPECT_EQ(format_time_control(row.control), row.text);
  }
  EXPECT_EQ(format_time_control(control_of("byoyomi:60+10x1")), "byoyomi:60+10");
}

TEST(TimeControlText, RefusesWhatNamesNoControl) {
  for (const char* text : {"",
                           "sudden",
                           "sudden:",
                           "sudden:0",
                           "sudden:-5",
                           "sudden:10+2",
                           "fischer:60",
                           "fischer:0+2",
                           "fischer:60+2x3",
                           "byoyomi:60+0",
                           "byoyomi:60+10x0",
                           "byoyomi:60+10x100",
                           "byoyomi:60+10x",
                           "byoyomi:60+x3",
                           "none:5",
                           "blitz:60",
                           "sudden:1e9",
                           "sudden:nan",
                           "fischer:60+2 ",
                           "sudden:inf"})
    EXPECT_FALSE(parse_time_control(text)) << text;
}

// The list keeps each move's thinking time on the mover's clock: the times
// left follow from it for every position, whichever way up the board stands.
TEST(ArmyClocks, FollowFromTheMoveList) {
  TimeControls controls;
  controls.main_army = control_of("fischer:60+2");
  controls.chess_army = control_of("byoyomi:0+10x2");
  Position pos;
  pos.chess_sign = +1;  // the main army at the bottom (own side)
  const struct {
    int code;  // the mover's sign: negative for the own side
    double spent;
  } moves[] = {{-1, 5}, {+1, 12}, {-1, 1}, {+1, 3}};
  double own = 0, enemy = 0;
  for (const auto& m : moves) {
    Candidate move;
    move.final_code = m.code;
    move.to = {5, 5};
    const double own_after = own + (m.code < 0 ? m.spent : 0), enemy_after = enemy + (m.code > 0 ? m.spent : 0);
    pos.move_number += 1;
    手順保存(pos, {move, own, own_after, enemy, enemy_after});
    own = own_after, enemy = enemy_after;
  }
  EXPECT_EQ(times_after(controls, pos, 0), starting_times(controls));
  EXPECT_EQ(times_after(controls, pos, 2), (ArmyTimes{{57, 0}, {0, 1}}));
  const ArmyTimes last = times_after(controls, pos, 4);
  EXPECT_EQ(last, (ArmyTimes{{58, 0}, {0, 1}}));
  turn_move_list(pos.history);
  pos.chess_sign = -1;
  EXPECT_EQ(times_after(controls, pos, 4), last);
  EXPECT_TRUE(timed(controls));
  EXPECT_FALSE(timed(TimeControls{}));
}

}  // namespace
}  // namespace velmora
