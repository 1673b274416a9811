// 待った and its redo, in matches between two people and against the computer.
#include "assist/take_back.h"

#include <array>
#include <functional>

#include "match/match_fixture.h"
#include "view/twips.h"

namespace velmora::testing {
namespace {

class TakeBackTest : public MatchTest {
 protected:
  // The position and clocks are those of slot n, and play goes on at once:
  // no message, the clock of the side to move starts now.
  void expect_playing_from_slot(int n) {
    const HistorySlot& slot = g.pos.history.slot(n);
    EXPECT_EQ(g.pos.move_number, n);
    EXPECT_EQ(std::tie(g.pos.board, g.pos.hand_own, g.pos.hand_enemy),
              std::tie(slot.board, slot.hand_own, slot.hand_enemy));
    EXPECT_EQ(g.clock.clock_own_total, slot.clock_own_after);
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(g.resume_pending, 0);
    EXPECT_EQ(g.clock.turn_start_time, t.fakes.clock.now);
  }
  // Moves by mouse, each after some seconds of thought.
  void play(std::initializer_list<std::array<int, 5>> moves) {
    for (const auto& [fx, fy, tx, ty, button] : moves) {
      t.fakes.clock.now += 7.5;
      on_timer(g);
      move(fx, fy, tx, ty, button);
    }
    clear_logs();
  }
};

// The own pawn captures a chess pawn on move 5 and promotes on move 7.
TEST_F(TakeBackTest, BetweenTwoPeopleStepsOneMoveAndPutsItBack) {
  start_two_people();
  play({{4, 7, 4, 6, 1},
        {4, 2, 4, 4, 1},
        {4, 6, 4, 5, 1},
        {5, 2, 5, 3, 1},
        {4, 5, 4, 4, 1},
        {3, 2, 3, 3, 1},
        {4, 4, 4, 3, MOUSE_RIGHT}});
  ASSERT_EQ(g.pos.board(4, 3), -HU_N);

  take_back(g);
  expect_playing_from_slot(6);
  EXPECT_EQ(g.pos.turn, +1);  // the own side moves again
  EXPECT_EQ(times_played(g.sound.snd_piece), 1);
  take_back(g);
  take_back(g);
  expect_playing_from_slot(4);
  EXPECT_EQ(g.pos.board(4, 4), PORN);  // the capture is undone

  for (int i = 0; i < 3; ++i) take_back_redo(g);
  expect_playing_from_slot(7);
  EXPECT_EQ(g.pos.hand_own[hand_index_of(PORN)], 1);
  EXPECT_EQ(g.pos.history.record_length, 7);
  EXPECT_EQ(refusals(), 0);
}

// A pawn takes the chess pawn before it and promotes; the computer answers.
TEST_F(TakeBackTest, AgainstTheComputerTakesBackTheReplyAlong) {
  set_position({{5, 9, -OU}, {5, 1, KING}, {1, 4, -HU}, {1, 3, PORN}, {9, 2, PORN}});
  choose(MenuItem::START2);
  play({{1, 4, 1, 3, MOUSE_RIGHT}});
  ASSERT_EQ(g.pos.move_number, 2);  // the person's move and the computer's reply

  take_back(g);
  expect_playing_from_slot(0);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);  // the person's move
  EXPECT_TRUE(g.clock.timer1_enabled);
  EXPECT_EQ(t.fakes.sound.played().size(), 2u);  // one move sound a step

  take_back_redo(g);
  expect_playing_from_slot(2);
  EXPECT_EQ(g.pos.board(1, 3), -HU_N);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
}

// The clocks on show are the match's at every moment: the computer's blink
// counts as soon as it is booked, the running clock turns with the whole
// seconds of its total, and 待った and its redo show the totals of then.
TEST_F(TakeBackTest, ClocksOnShowAreThoseOfTheMatchAtThatMoment) {
  const auto clocks_on_show = [this] {
    std::string enemy, own;
    for (const DrawOp& op : t.fakes.screen.ops_of(DrawOp::Text))
      if (op.colour == PaletteColour::White && op.top == BOARD_TOP + SQUARE_HEIGHT * 10.2)
        (op.left < BOARD_LEFT ? enemy : own) = op.text;
    return enemy + " " + own;
  };
  choose(MenuItem::START2);
  for (int x : {4, 3}) {  // 7.3 s each; the computer's replies take 0.6 s (its blink)
    t.fakes.clock.now += 7.3;
    move(x, 7, x, 6);
  }
  EXPECT_EQ(clocks_on_show(), "00:00:01 00:00:14");
  for (double seconds : {0.3, 0.2}) t.fakes.clock.now += seconds, on_timer(g);  // 15.1 s
  EXPECT_EQ(clocks_on_show(), "00:00:01 00:00:15");
  take_back(g);
  EXPECT_EQ(clocks_on_show(), "00:00:00 00:00:07");
  take_back_redo(g);
  EXPECT_EQ(clocks_on_show(), "00:00:01 00:00:14");
}

TEST_F(TakeBackTest, RefusedWithTheRefusalSoundWhereNothingCanBeStepped) {
  const auto computer_opened = [this] {
    choose(MenuItem::REVERSE);
    choose(MenuItem::START2);
    EXPECT_EQ(g.pos.move_number, 1);
  };
  const std::pair<std::function<void()>, void (*)(Game&)> rows[] = {
      {[] {}, take_back},  // no match
      {[] {}, take_back_redo},
      {[this] { start_two_people(); }, take_back},
      {[this] { start_two_people(), move(4, 7, 4, 6); }, take_back_redo},  // nothing ahead
      {computer_opened, take_back},                                        // no move of the person's yet
  };
  for (const auto& [arrange, command] : rows) {
    初期設定(g);
    arrange();
    const int moves = g.pos.move_number;
    clear_logs();
    command(g);
    EXPECT_EQ(refusals(), 1) << moves;
    EXPECT_TRUE(box_texts().empty()) << moves;
    EXPECT_EQ(g.pos.move_number, moves);
  }
}

}  // namespace
}  // namespace velmora::testing
