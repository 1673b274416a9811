// The computer's whole turn through the fake ports: what it shows, plays,
// records and books, its messages, and how a turn ends the match.
#include <gtest/gtest.h>

#include <algorithm>

#include "com_test_support.h"
#include "computer/strong_player.h"
#include "view/twips.h"

namespace velmora {
namespace {

using testing::ComGame;

constexpr int SOUND_REFUSE = 2, SOUND_PIECE = 3, SOUND_CHESS = 4, SOUND_VANISH = 5;

struct Turn : ::testing::Test {
  void prepare(ComGame& c) {
    c.g.sound.snd_refuse = SOUND_REFUSE;
    c.g.sound.snd_piece = SOUND_PIECE;
    c.g.sound.snd_chess = SOUND_CHESS;
    c.g.sound.snd_vanish = SOUND_VANISH;
    c.g.view.current_background = PICTURE_TATAMI;
    c.t.fakes.clock.now = 1000;
  }
  static std::vector<std::string> boxes(ComGame& c) { return c.t.fakes.dialogs.box_texts(); }
};

TEST_F(Turn, PlaysRecordsBooksAndHandsTheMoveBack) {
  ComGame c({{3, 3, +HU}, {5, 1, +OU}, {5, 9, -OU}}, 1);
  prepare(c);
  c.g.menu.KEIKA = true;
  // The search on copies of the game's position, maps and analysis.
  Position position = c.g.pos;
  InfluenceMaps maps = c.g.maps;
  ComAnalysis analysis = c.g.com;
  SearchOptions options;
  options.chess_drops = c.g.menu.CHESS_MOCHIKOMA;
  const std::optional<Candidate> found = search_candidates(position, maps, analysis, options);
  ASSERT_TRUE(found);
  const Candidate expected = *found;

  com_ban(c.g);
  const Game& g = c.g;
  EXPECT_EQ(g.pos.board(expected.to.x, expected.to.y), expected.final_code);
  EXPECT_EQ(g.pos.move_number, 1);
  EXPECT_EQ(g.com.move_counter, 1);
  EXPECT_EQ(g.pos.history.slot(1).move_to, expected.to);
  EXPECT_EQ(g.pos.history.slot(1).move_code, expected.final_code);
  EXPECT_EQ(g.pos.history.slot(1).board, g.pos.board);
  // The blink took the time: three times two pictures of a tenth of a second.
  EXPECT_NEAR(g.clock.clock_enemy_total, 0.6, 1e-9);
  EXPECT_NEAR(g.pos.history.slot(1).clock_enemy_after, 0.6, 1e-9);
  EXPECT_EQ(g.clock.clock_own_total, 0);
  EXPECT_EQ(g.pos.turn, g.pos.chess_sign);
  EXPECT_TRUE(g.clock.timer1_enabled);
  EXPECT_NEAR(g.clock.turn_start_time, 1000.6, 1e-9);
  EXPECT_TRUE(boxes(c).empty());

  const auto texts = c.t.fakes.screen.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "思考中"), 2);
  for (int x = -5; x <= -3; ++x) {
    const auto cleared = c.t.fakes.screen.last_picture_at_cell(x, -1);
    ASSERT_TRUE(cleared.has_value());
    EXPECT_EQ(cleared->picture, PICTURE_TATAMI);
  }
  const auto framed = c.t.fakes.screen.last_outline_at_cell(expected.to.x, expected.to.y);
  ASSERT_TRUE(framed.has_value());
  EXPECT_EQ(framed->colour, PaletteColour::White);
}

TEST_F(Turn, WithoutTheElapsedClockTheTimerStaysOff) {
  ComGame c({{3, 3, +HU}, {5, 1, +OU}, {5, 9, -OU}}, 1);
  prepare(c);
  com_ban(c.g);
  EXPECT_FALSE(c.g.clock.timer1_enabled);
  EXPECT_NEAR(c.g.clock.clock_enemy_total, 0.6, 1e-9);  // measured all the same
}

// The box speaks of a move already named beside the board.
TEST_F(Turn, ChessPieceCheckSaysCheckAfterTheMoveIsShown) {
  ComGame c({{4, 7, +PORN}, {5, 9, -OU}});
  prepare(c);
  std::vector<std::string> shown_before_box;
  c.t.fakes.dialogs.on_box = [&](const testing::ShownBox&) { shown_before_box = c.t.fakes.screen.texts(); };
  com_ban(c.g);
  EXPECT_TRUE(is_chess_kind(c.g.pos.board(4, 8)));
  EXPECT_EQ(boxes(c), std::vector<std::string>{"   ** チェック **"});
  const std::vector<std::string> move_text{"６", "６", "八", "八", "ポーン", "ポーン"};  // shadow, then text
  ASSERT_GE(shown_before_box.size(), move_text.size());
  EXPECT_TRUE(std::equal(move_text.begin(), move_text.end(), shown_before_box.end() - move_text.size()));
  EXPECT_EQ(c.t.fakes.sound.played(), std::vector<int>{SOUND_CHESS});
}

TEST_F(Turn, AChessPawnPromotingShowsThePromotionDisplay) {
  ComGame c({{2, 8, +PORN}, {9, 9, -OU}});
  prepare(c);
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board(2, 9), +QEEN);  // forced on the last row
  const auto& calls = c.t.fakes.dialogs.calls;
  EXPECT_TRUE(
      std::any_of(calls.begin(), calls.end(), [](const std::string& s) { return s == "press_promotion_display 24"; }));
}

TEST_F(Turn, ShogiPieceCheckSaysOute) {
  ComGame c({{5, 7, +HU}, {5, 9, -OU}});
  prepare(c);
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board(5, 8), +HU_N);
  EXPECT_EQ(boxes(c), std::vector<std::string>{"   ** 王手 **"});
  EXPECT_TRUE(c.t.fakes.dialogs.calls.empty());  // no promotion display for shogi pieces
}

TEST_F(Turn, MateShowsOnlyTheMateBoxAndTheGameGoesOn) {
  ComGame c({{1, 9, -OU}, {1, 7, +HU}, {2, 7, +KIN}, {9, 1, +OU}});
  prepare(c);
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board(1, 8), +HU_N);  // the pawn's promoted mate comes first in scan order
  ASSERT_EQ(c.t.fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(c.t.fakes.dialogs.boxes[0].text, "よし！!");
  EXPECT_EQ(c.t.fakes.dialogs.boxes[0].title, "詰め ?");
  EXPECT_EQ(c.g.pos.turn, c.g.pos.chess_sign);
}

TEST_F(Turn, ADropBlinksAtTheHandSlotAndLeavesTheHand) {
  ComGame c({{1, 9, -OU}, {2, 6, +KEI}, {9, 1, +OU}});
  prepare(c);
  c.give_enemy(10);  // a gold: its slot is (-5, 3)
  c.g.menu.CHESS_MOCHIKOMA = true;
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board(1, 8), +KIN);
  EXPECT_EQ(c.g.pos.hand_enemy[10], 0);
  EXPECT_EQ(c.g.pos.hand_enemy_total(), 0);
  const auto ops = c.t.fakes.screen.ops_of(testing::DrawOp::Picture);
  const double slot_left = BOARD_LEFT + SQUARE_WIDTH * -5, slot_top = BOARD_TOP + SQUARE_HEIGHT * 3;
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const testing::DrawOp& op) {
    return op.picture == +KIN && op.left == slot_left && op.top == slot_top;
  }));
}

TEST_F(Turn, TakingTheKingEndsTheMatchWithoutBookingTheClock) {
  ComGame c({{2, 3, +KIN}, {2, 4, -OU}, {5, 1, +OU}});
  prepare(c);
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.king_taken, c.g.pos.main_sign());
  EXPECT_EQ(boxes(c).front(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(c.g.pos.turn, c.g.pos.main_sign());
  EXPECT_EQ(c.g.clock.clock_enemy_total, 0);
  EXPECT_EQ(c.g.pos.move_number, 1);
}

TEST_F(Turn, WithNoMoveAtAllTheComputerResigns) {
  ComGame c({{5, 9, +HU}, {1, 9, -OU}});
  prepare(c);
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  const Board before = c.g.pos.board;
  com_ban(c.g);
  EXPECT_EQ(boxes(c).front(), "あなたの勝ちです");
  EXPECT_EQ(c.g.pos.board, before);
  EXPECT_EQ(c.g.pos.move_number, 0);
  EXPECT_EQ(c.g.pos.history.slots.size(), 1u);
  EXPECT_TRUE(c.t.fakes.sound.played().empty());
  EXPECT_FALSE(c.t.fakes.screen.last_picture_at_cell(5, 9).has_value());  // nothing blinked
  EXPECT_FALSE(c.g.clock.timer1_enabled);
}

// Level 4 searches aside of the window (through the Clock port) and plays
// through the same routine as the other levels.
TEST_F(Turn, LevelFourTakesTheKingThroughTheSameRoutine) {
  ComGame c({{2, 3, +KIN}, {2, 4, -OU}, {5, 1, +OU}, {9, 9, -SYA}}, STRONG_LEVEL);
  prepare(c);
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  com_ban(c.g);
  EXPECT_EQ(c.t.fakes.clock.runs_aside, 1);
  EXPECT_EQ(c.g.pos.board(2, 4), +KIN);
  EXPECT_EQ(c.g.pos.history.slot(1).move_code, +KIN);
  EXPECT_EQ(boxes(c).front(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(c.g.com.move_counter, 1);
}

// A search that throws does not end the program: the other levels' search
// answers, as for a move the rules refuse, and the next turn has a new engine.
TEST_F(Turn, AFailedLevelFourSearchFallsBackToTheOtherLevels) {
  ComGame c({{2, 3, +KIN}, {2, 4, -OU}, {5, 1, +OU}, {9, 9, -SYA}}, STRONG_LEVEL);
  prepare(c);
  c.g.com.strong_engine = std::make_shared<Engine>();
  c.t.fakes.clock.work_throws = true;
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board(2, 4), +KIN);
  EXPECT_EQ(boxes(c).front(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
  EXPECT_EQ(c.g.com.strong_engine, nullptr);
}

TEST_F(Turn, LevelFourWithNoMoveAtAllResigns) {
  ComGame c({{5, 9, +HU}, {1, 9, -OU}}, STRONG_LEVEL);
  prepare(c);
  c.t.fakes.dialogs.yes_no_answers.push_back(Answer::No);
  com_ban(c.g);
  EXPECT_EQ(boxes(c).front(), "あなたの勝ちです");
  EXPECT_EQ(c.g.pos.move_number, 0);
}

// Esc or closing the window stopped the search: the program is ending, and
// nothing is played, recorded or announced.
TEST_F(Turn, AStoppedSearchPlaysNothing) {
  ComGame c({{3, 3, +HU}, {5, 1, +OU}, {5, 9, -OU}}, STRONG_LEVEL);
  prepare(c);
  c.g.menu.KEIKA = true;
  c.t.fakes.clock.stop_runs_aside = true;
  const Board before = c.g.pos.board;
  com_ban(c.g);
  EXPECT_EQ(c.g.pos.board, before);
  EXPECT_EQ(c.g.pos.move_number, 0);
  EXPECT_EQ(c.g.pos.turn, c.g.pos.main_sign());
  EXPECT_TRUE(boxes(c).empty());
  EXPECT_TRUE(c.t.fakes.sound.played().empty());
  EXPECT_FALSE(c.g.clock.timer1_enabled);
  const auto cleared = c.t.fakes.screen.last_picture_at_cell(-4, -1);
  ASSERT_TRUE(cleared.has_value());
  EXPECT_EQ(cleared->picture, PICTURE_TATAMI) << "the thinking message is gone";
}

}  // namespace
}  // namespace velmora
