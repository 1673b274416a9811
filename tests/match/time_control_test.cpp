// Matches under a time control: the clocks count down and warn, a fallen
// flag ends the match on time, and 待った, a flip and the kept match keep
// each army's time as it stood.
#include <gtest/gtest.h>

#include "assist/preferences.h"
#include "assist/record_text.h"
#include "assist/take_back.h"
#include "assist/time_controls.h"
#include "match/match_fixture.h"
#include "record/replay.h"
#include "resume/match_file.h"
#include "resume/resume.h"
#include "rules/turn_order.h"
#include "timing/time_left.h"

namespace velmora::testing {
namespace {

TimeControl control_of(std::string_view text) { return *parse_time_control(text); }

class TimeControlTest : public MatchTest {
 protected:
  // A new game under `main` for the main army and `chess` for the chess army.
  void play_under(std::string_view main, std::string_view chess) {
    choose_time_controls(g, {control_of(main), control_of(chess)});
    初期設定(g);
  }
  // The clock ticks at `seconds` after the turn began, and what follows it.
  void tick_at(double seconds) {
    t.fakes.clock.now = g.clock.turn_start_time + seconds;
    on_timer(g);
    ask_due_player();
  }
  // A move by mouse after `seconds` of thought.
  void move_after(double seconds, int fx, int fy, int tx, int ty) {
    tick_at(seconds);
    move(fx, fy, tx, ty);
  }
  ArmyTime army_time(int army) const {
    return time_at_position(g, army == army_of(g.pos, Side::Own) ? Side::Own : Side::Enemy);
  }
  // The clock texts drawn so far, in palette colour `colour` when one is given.
  std::vector<std::string> clock_texts(std::optional<PaletteColour> colour = std::nullopt) const {
    std::vector<std::string> texts;
    for (const DrawOp& op : t.fakes.screen.ops_of(DrawOp::Text))
      if ((!colour || op.colour == *colour) && op.text.size() == 8 && op.text[2] == ':') texts.push_back(op.text);
    return texts;
  }
};

// Between two people: the main army's clock counts down from 30 s, warns
// at 10 s with a sound, and the flag falls exactly when 30 s are spent.
TEST_F(TimeControlTest, TheFlagEndsTheMatchOnTimeWhenTheTimeIsSpent) {
  play_under("fischer:30+2", "sudden:60");
  start_two_people();
  tick_at(5);
  EXPECT_EQ(clock_texts(PaletteColour::White).back(), "00:00:25");
  tick_at(19.5);
  EXPECT_EQ(times_played(g.sound.snd_other), 0);
  tick_at(20);
  EXPECT_EQ(clock_texts(PaletteColour::LightRed).back(), "00:00:10");
  tick_at(25);
  EXPECT_EQ(times_played(g.sound.snd_other), 1);  // once a turn
  tick_at(29.99);
  EXPECT_TRUE(box_texts().empty());
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  tick_at(30);
  EXPECT_EQ(clock_texts().back(), "00:00:00");  // the clock stands at the fallen flag
  ASSERT_EQ(box_texts().size(), 3u);
  EXPECT_EQ(box_texts()[0], "先手の時間切れです");
  EXPECT_EQ(box_texts()[1], "後手の勝ちです");
  EXPECT_TRUE(g.program_ended);
  const std::string text = record_text(g);
  EXPECT_NE(text.find("先手の持ち時間：fischer:30+2\n後手の持ち時間：sudden:60\n"), std::string::npos) << text;
  EXPECT_NE(text.find("結果：後手の勝ち\n先手の時間切れです\n"), std::string::npos) << text;
}

// A move made after the flag fell, before any tick saw it, comes too late.
TEST_F(TimeControlTest, AMoveAfterTheFlagIsNotPlayed) {
  play_under("byoyomi:0+10x2", "byoyomi:0+10x2");
  start_two_people();
  move_after(15, 4, 7, 4, 6);  // the first period run past: one left
  EXPECT_EQ(army_time(MAIN_ARMY).periods_left, 1);
  move_after(3, 4, 2, 4, 4);
  t.fakes.clock.now = g.clock.turn_start_time + 10;
  t.fakes.dialogs.yes_no_answers = {Answer::No};
  move(4, 6, 4, 5);
  EXPECT_EQ(g.pos.move_number, 2);
  EXPECT_EQ(box_texts().front(), "先手の時間切れです");
}

// 待った gives back the times as they stood, a flip keeps each army's time,
// and the kept match brings back the controls and the times left.
TEST_F(TimeControlTest, TakeBackFlipAndTheKeptMatchKeepEachArmysTime) {
  play_under("fischer:60+2", "byoyomi:30+10x3");
  start_two_people();
  move_after(5, 4, 7, 4, 6);
  move_after(35, 4, 2, 4, 4);
  const ArmyTimes after_two{army_time(MAIN_ARMY), army_time(CHESS_ARMY)};
  EXPECT_EQ(after_two, (ArmyTimes{{57, 0}, {0, 3}}));
  move_after(20, 4, 6, 4, 5);
  tick_at(1);
  EXPECT_EQ(t.fakes.screen.texts().back(), "00:00:09×3");  // the byoyomi counts, three periods left
  move_after(25, 5, 2, 5, 3);                              // two periods run past
  EXPECT_EQ(army_time(CHESS_ARMY), (ArmyTime{0, 1}));

  take_back(g);
  take_back(g);
  EXPECT_EQ((ArmyTimes{army_time(MAIN_ARMY), army_time(CHESS_ARMY)}), after_two);
  reverse_click(g);
  EXPECT_EQ((ArmyTimes{army_time(MAIN_ARMY), army_time(CHESS_ARMY)}), after_two);

  const std::string file = format_saved_match(saved_match(g));
  EXPECT_TRUE(file.starts_with("velmora-match 2\n"));
  EXPECT_NE(file.find("\ntime_main fischer:60+2\ntime_chess byoyomi:30+10x3\nend\n"), std::string::npos);
  std::string damaged = file;
  damaged.replace(damaged.find("fischer:60+2"), 12, "fischer:60");
  EXPECT_FALSE(read_saved_match(damaged));
  TestGame other;
  const MatchFileResult read = read_saved_match(file);
  ASSERT_TRUE(read) << read.error().what;
  restore_saved_match(other.game, *read);
  EXPECT_EQ(other.game.timing.match, g.timing.match);
  EXPECT_EQ(time_at_position(other.game, Side::Own), time_at_position(g, Side::Own));
  EXPECT_EQ(time_at_position(other.game, Side::Enemy), time_at_position(g, Side::Enemy));
}

// The computer's clock stops when it answers: its blink costs it nothing.
TEST_F(TimeControlTest, TheComputersTimeEndsWithItsAnswer) {
  play_under("sudden:300", "byoyomi:0+5");
  set_position({{5, 9, -OU}, {5, 1, KING}, {1, 7, -HU}, {9, 2, PORN}});
  choose(MenuItem::START2);
  move_after(4, 1, 7, 1, 6);
  ASSERT_EQ(g.pos.move_number, 2);
  EXPECT_GT(t.fakes.clock.waited, 0);  // the blink waited on the clock
  EXPECT_EQ(g.clock.clock_enemy_total, 0);
  EXPECT_EQ(army_time(CHESS_ARMY), (ArmyTime{0, 1}));
  EXPECT_EQ(army_time(MAIN_ARMY), (ArmyTime{296, 0}));
}

// Reading the message that opens a match costs the side to move no time,
// against the computer and between two people.
TEST_F(TimeControlTest, TheTimeBeginsWhenTheOpeningMessageIsClosed) {
  play_under("sudden:60", "sudden:60");
  t.fakes.dialogs.on_box = [this](const ShownBox&) { t.fakes.clock.now += 20; };
  for (const MenuItem start : {MenuItem::START2, MenuItem::MATCH_MAN}) {
    t.fakes.dialogs.boxes.clear();
    choose(start);
    ASSERT_EQ(box_texts().size(), 1u);
    t.fakes.clock.now += 5;  // five seconds after the message was closed
    on_timer(g);
    EXPECT_EQ(clock_texts().back(), "00:00:55") << box_texts()[0];
  }
}

// Under no control nothing changes: the clocks measure, the kept match is
// of version 1 and the preferences name no control.
TEST_F(TimeControlTest, NoControlKeepsTheClocksMeasuring) {
  start_two_people();
  EXPECT_FALSE(match_timed(g));
  move_after(5, 4, 7, 4, 6);
  EXPECT_TRUE(format_saved_match(saved_match(g)).starts_with("velmora-match 1\n"));
  EXPECT_EQ(format_preferences(g.assist).find("time_"), std::string::npos);
  EXPECT_EQ(record_text(g).find("持ち時間"), std::string::npos);
}

// The controls chosen are kept for the next run; during a match they wait
// for the next new game.
TEST_F(TimeControlTest, ChosenControlsAreKeptAndWaitForTheNextGame) {
  start_two_people();
  move_after(5, 4, 7, 4, 6);
  choose_time_controls(g, {control_of("sudden:600"), control_of("none")});
  EXPECT_FALSE(match_timed(g));
  EXPECT_EQ(box_texts().back(), "持ち時間は次の対局から使われます");
  AssistState read;
  parse_preferences(format_preferences(g.assist), read);
  EXPECT_EQ(read.time_controls, g.assist.time_controls);
  parse_preferences("time_main=fischer:1\ntime_chess=blitz\n", read);
  EXPECT_EQ(read.time_controls, g.assist.time_controls);  // what names no control is passed over
  初期設定(g);
  EXPECT_TRUE(match_timed(g));
}

}  // namespace
}  // namespace velmora::testing
