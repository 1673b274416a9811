// 待った and its redo, in matches between two people and against the computer.
#include "assist/take_back.h"

#include <array>
#include <functional>

#include "match/match_fixture.h"

namespace velmora::testing {
namespace {

class TakeBackTest : public MatchTest {
 protected:
  // The board, hands and clock totals equal those the move list keeps for slot n.
  void expect_position_of_slot(int n) {
    const HistorySlot& slot = g.history.slot(n);
    EXPECT_EQ(g.move_number, n);
    EXPECT_EQ(g.board, slot.board);
    EXPECT_EQ(g.hand_own, slot.hand_own);
    EXPECT_EQ(g.hand_enemy, slot.hand_enemy);
    EXPECT_EQ(g.clock.clock_own_total, slot.clock_own_after);
    EXPECT_EQ(g.clock.clock_enemy_total, slot.clock_enemy_after);
  }
  // Plays the moves by mouse, each after some seconds of thought.
  void play(std::initializer_list<std::array<int, 5>> moves) {
    for (const auto& [fx, fy, tx, ty, button] : moves) {
      t.fakes.clock.now += 7.5;
      on_timer(g);
      move(fx, fy, tx, ty, button);
    }
  }
  // Another step goes on at once: no message, the clock of the side to move starts now.
  void expect_play_goes_on() {
    EXPECT_TRUE(box_texts().empty());
    EXPECT_EQ(g.resume_pending, 0);
    EXPECT_EQ(g.clock.turn_start_time, t.fakes.clock.now);
  }
};

// Pawns meet, the own pawn captures a chess pawn, another chess pawn moves,
// the own pawn promotes to と on the third row.
TEST_F(TakeBackTest, BetweenTwoPeopleStepsOneMoveAndPutsItBack) {
  start_two_people();
  play({{4, 7, 4, 6, MOUSE_LEFT},
        {4, 2, 4, 4, MOUSE_LEFT},
        {4, 6, 4, 5, MOUSE_LEFT},
        {5, 2, 5, 3, MOUSE_LEFT},
        {4, 5, 4, 4, MOUSE_LEFT},
        {3, 2, 3, 3, MOUSE_LEFT},
        {4, 4, 4, 3, MOUSE_RIGHT}});
  ASSERT_EQ(g.move_number, 7);
  ASSERT_EQ(g.board(4, 3), -HU_N);
  clear_logs();
  t.fakes.clock.now += 30;

  take_back(g);
  expect_position_of_slot(6);
  EXPECT_EQ(g.board(4, 4), -HU);
  EXPECT_EQ(g.turn, +1);  // the own side moves again
  EXPECT_EQ(times_played(g.sound.snd_piece), 1);
  expect_play_goes_on();

  take_back(g);
  take_back(g);
  expect_position_of_slot(4);
  EXPECT_EQ(g.board(4, 4), PORN);  // the capture is undone
  EXPECT_EQ(g.hand_own[hand_index_of(PORN)], 0);

  for (int i = 0; i < 3; ++i) take_back_redo(g);
  expect_position_of_slot(7);
  EXPECT_EQ(g.board(4, 3), -HU_N);
  EXPECT_EQ(g.hand_own[hand_index_of(PORN)], 1);
  EXPECT_EQ(g.turn, -1);
  EXPECT_EQ(g.history.record_length, 7);
  EXPECT_EQ(refusals(), 0);
  expect_play_goes_on();
}

// A pawn takes the chess pawn before it and promotes; the computer answers.
TEST_F(TakeBackTest, AgainstTheComputerTakesBackTheReplyAlong) {
  set_position({{5, 9, -OU}, {5, 1, KING}, {1, 4, -HU}, {1, 3, PORN}, {9, 2, PORN}});
  on_menu(g, MenuItem::START2);
  play({{1, 4, 1, 3, MOUSE_RIGHT}});
  ASSERT_EQ(g.move_number, 2);  // the person's move and the computer's reply
  ASSERT_EQ(g.board(1, 3), -HU_N);
  clear_logs();

  take_back(g);
  expect_position_of_slot(0);
  EXPECT_EQ(g.board(1, 3), PORN);
  EXPECT_EQ(g.board(1, 4), -HU);
  EXPECT_EQ(g.hand_own, Hand{});
  EXPECT_EQ(g.turn, g.chess_sign);  // the person's move
  EXPECT_TRUE(g.clock.timer1_enabled);
  EXPECT_EQ(t.fakes.sound.played().size(), 2u);  // one move sound a step
  expect_play_goes_on();

  take_back_redo(g);
  expect_position_of_slot(2);
  EXPECT_EQ(g.board(1, 3), -HU_N);
  EXPECT_EQ(g.hand_own[hand_index_of(PORN)], 1);
  EXPECT_EQ(g.turn, g.chess_sign);
  expect_play_goes_on();
}

TEST_F(TakeBackTest, RefusedWithTheRefusalSoundWhereNothingCanBeStepped) {
  const struct {
    const char* situation;
    std::function<void()> arrange;
    void (*command)(Game&);
  } rows[] = {
      {"no match", [] {}, take_back},
      {"no match, redo", [] {}, take_back_redo},
      {"first move", [this] { start_two_people(); }, take_back},
      {"end of the list",
       [this] {
         start_two_people();
         move(4, 7, 4, 6);
       },
       take_back_redo},
      {"only the computer moved",
       [this] {
         on_menu(g, MenuItem::REVERSE);
         on_menu(g, MenuItem::START2);
         ASSERT_EQ(g.move_number, 1);
       },
       take_back},
  };
  for (const auto& row : rows) {
    初期設定(g);
    g.history.record_length = 0;
    row.arrange();
    const int moves = g.move_number;
    const Board board = g.board;
    clear_logs();
    row.command(g);
    EXPECT_EQ(refusals(), 1) << row.situation;
    EXPECT_TRUE(box_texts().empty()) << row.situation;
    EXPECT_EQ(g.move_number, moves) << row.situation;
    EXPECT_EQ(g.board, board) << row.situation;
  }
}

}  // namespace
}  // namespace velmora::testing
