// Strength levels and the handicap ladder.
#include "com/levels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "fakes/fake_ports.h"
#include "review/record_start.h"
#include "rules/handicap.h"
#include "rules/setup.h"
#include "setup/new_game.h"
#include "view/twips.h"

namespace velmora {
namespace {

constexpr int SOUND_REFUSE = 2, SOUND_PIECE = 3, SOUND_CHESS = 4, SOUND_VANISH = 5;

struct Ladder : ::testing::Test {
  testing::TestGame t;
  Game& g = t.game;
  Ladder() {
    g.sound = {1, 0, SOUND_REFUSE, SOUND_PIECE, SOUND_CHESS, SOUND_VANISH, 0};
    初期設定(g);
    t.fakes.screen.clear();
  }
  std::vector<int> played() const { return t.fakes.sound.played(); }
};

TEST_F(Ladder, TowardsNinthKyuTheComputerLosesItsPiecesInOrder) {
  const int squares[7][2] = {{2, 1}, {9, 1}, {3, 1}, {8, 1}, {4, 1}, {7, 1}, {5, 1}};
  for (int i = 0; i < 7; ++i) {
    ASSERT_NE(g.pos.board(squares[i][0], squares[i][1]), EMPTY);
    handicap_click(g, true);
    EXPECT_EQ(g.pos.board(squares[i][0], squares[i][1]), EMPTY) << "step " << i + 1;
    EXPECT_EQ(g.com.handicap_grade, i + 1);
  }
  EXPECT_EQ(played(), std::vector<int>(7, SOUND_VANISH));
  const Board after_seven = g.pos.board;
  handicap_click(g, true);  // the ninth-kyu end of the ladder
  EXPECT_EQ(g.pos.board, after_seven);
  EXPECT_EQ(g.com.handicap_grade, 7);
  EXPECT_EQ(g.com.handicap_set, 1);
  EXPECT_EQ(played().size(), 7u);
}

TEST_F(Ladder, TowardsMeijinThePersonLosesPiecesFromTheEdgesInwards) {
  const int squares[10][2] = {{2, 8}, {8, 8}, {1, 9}, {9, 9}, {2, 9}, {8, 9}, {3, 9}, {7, 9}, {4, 9}, {6, 9}};
  for (int i = 0; i < 10; ++i) {
    handicap_click(g, false);
    EXPECT_EQ(g.pos.board(squares[i][0], squares[i][1]), EMPTY) << "step " << i + 1;
  }
  EXPECT_EQ(g.com.handicap_grade, -10);
  EXPECT_NE(g.pos.board(5, 9), EMPTY);  // the king stays
  const Board at_meijin = g.pos.board;
  handicap_click(g, false);
  EXPECT_EQ(g.pos.board, at_meijin);
  EXPECT_EQ(g.com.handicap_grade, -10);
}

TEST_F(Ladder, StepsBackRestoreTheStartingPieces) {
  const int start_1_9 = g.pos.board(1, 9);
  for (int i = 0; i < 3; ++i) handicap_click(g, false);
  ASSERT_EQ(g.pos.board(1, 9), EMPTY);
  handicap_click(g, true);  // from -3 back to -2
  EXPECT_EQ(g.pos.board(1, 9), start_1_9);
  EXPECT_EQ(played().back(), SOUND_PIECE);
  const auto drawn = t.fakes.screen.last_picture_at_cell(1, 9);
  ASSERT_TRUE(drawn.has_value());
  EXPECT_EQ(drawn->picture, start_1_9);

  for (int i = 0; i < 4; ++i) handicap_click(g, true);  // to +2: both rooks gone
  ASSERT_EQ(g.pos.board(9, 1), EMPTY);
  handicap_click(g, false);
  EXPECT_EQ(g.pos.board(9, 1), +ROOK);
  EXPECT_EQ(played().back(), SOUND_CHESS);
}

TEST_F(Ladder, AnAcceptedStepEmptiesTheMoveListAndClosesTheRecordPanel) {
  g.pos.history.record_length = 12;
  handicap_click(g, true);
  EXPECT_EQ(g.pos.history.record_length, 0);
  const auto& calls = t.fakes.dialogs.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "set_record_lists_visible 000"), calls.end());
  EXPECT_EQ(t.fakes.screen.texts().back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
}

TEST_F(Ladder, EveryStepIsWrittenIntoTheStartOfTheMoveList) {
  for (bool up : {true, true, false, false, false, false, true}) {
    handicap_click(g, up);
    EXPECT_EQ(g.pos.history.slot(0).board, g.pos.board) << "grade " << g.com.handicap_grade;
  }
  Board expected = starting_board(g.menu.NIPPON);  // grade -1: only (2, 8) taken off
  expected(2, 8) = EMPTY;
  EXPECT_EQ(g.pos.board, expected);
}

// A record's first position after a handicap start (grade) and one move of
// the main army; the handicap is found again from it.
class RecordHandicap : public Ladder, public ::testing::WithParamInterface<std::array<int, 5>> {};

TEST_P(RecordHandicap, IsFoundFromTheFirstPosition) {
  const auto [grade, fx, fy, tx, ty] = GetParam();
  for (int i = 0; i < std::abs(grade); ++i) handicap_click(g, grade > 0);
  HistorySlot first;
  first.board = g.pos.board;
  first.board(tx, ty) = std::exchange(first.board(fx, fy), EMPTY);
  const RecordStartResult start = record_start(first);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->start.board, g.pos.board);
  EXPECT_EQ(start->handicap_grade, grade);
}

// The first move from elsewhere, from the ladder's first square, next to an emptied one.
INSTANTIATE_TEST_SUITE_P(Grades, RecordHandicap,
                         ::testing::Values(std::array{2, 2, 7, 2, 6}, std::array{7, 5, 7, 5, 6},
                                           std::array{-2, 3, 7, 3, 6}, std::array{0, 2, 8, 5, 8},
                                           std::array{-1, 8, 7, 8, 6}, std::array{-10, 5, 9, 5, 8}));

struct Refusal {
  int record_mode, move_number, flipped;
  const char* reason;
};

class LadderRefusals : public Ladder, public ::testing::WithParamInterface<Refusal> {};

TEST_P(LadderRefusals, RefusedWithTheFirstReasonThatApplies) {
  const Refusal r = GetParam();
  g.record_mode = r.record_mode;
  g.pos.move_number = r.move_number;
  g.board_flipped = r.flipped;
  g.pos.history.record_length = 5;
  const Board before = g.pos.board;
  handicap_click(g, true);
  EXPECT_EQ(g.pos.board, before);
  EXPECT_EQ(g.com.handicap_grade, 0);
  EXPECT_EQ(g.com.handicap_set, 0);
  EXPECT_EQ(g.pos.history.record_length, 5);
  EXPECT_EQ(played(), std::vector<int>{SOUND_REFUSE});
  ASSERT_EQ(t.fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(t.fakes.dialogs.boxes[0].text, std::string(r.reason) + "\n\n局面→最初にして下さい");
  EXPECT_EQ(t.fakes.dialogs.boxes[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

INSTANTIATE_TEST_SUITE_P(Reasons, LadderRefusals,
                         ::testing::Values(Refusal{1, 3, 1, "棋譜ﾓｰﾄﾞではできません"},
                                           Refusal{0, 1, 1, "対局途中ではできません"},
                                           Refusal{0, 0, 1, "反転後ではできません"}));

TEST(Levels, SettingALevelChecksItsItemAndDrawsItAgainstTheComputer) {
  for (const int level : {2, 4}) {
    testing::TestGame t;
    Game& g = t.game;
    g.game_mode = MODE_COM;
    レベル_設定(g, level);
    EXPECT_EQ(g.com.com_level, level);
    const bool checked[] = {g.menu.LEVEL1, g.menu.LEVEL2, g.menu.LEVEL3, g.menu.LEVEL4};
    for (int item = 1; item <= 4; ++item) EXPECT_EQ(checked[item - 1], item == level) << "LEVEL" << item;
    const std::string number = std::to_string(level);
    EXPECT_EQ(t.fakes.screen.texts(), (std::vector<std::string>{"LEVEL", "LEVEL", number, number}));
  }
}

TEST(Levels, BetweenTwoPeopleTheLabelIsNotDrawn) {
  testing::TestGame t;
  レベル_設定(t.game, 1);
  EXPECT_EQ(t.game.com.com_level, 1);
  EXPECT_TRUE(t.fakes.screen.texts().empty());
}

TEST(Levels, AnyOtherValueUnchecksAllAndKeepsTheLevel) {
  testing::TestGame t;
  t.game.menu.LEVEL3 = true;
  レベル_設定(t.game, 7);
  EXPECT_EQ(t.game.com.com_level, 3);
  EXPECT_FALSE(t.game.menu.LEVEL1 || t.game.menu.LEVEL2 || t.game.menu.LEVEL3 || t.game.menu.LEVEL4);
}

TEST(Levels, AClickClearsTheOldLabelBeforeTheNewOneIsPrinted) {
  testing::TestGame t;
  Game& g = t.game;
  g.game_mode = MODE_COM;
  g.view.current_background = PICTURE_UCHU;
  level_click(g, 1);
  const auto& ops = t.fakes.screen.ops;
  const auto first_text =
      std::find_if(ops.begin(), ops.end(), [](const testing::DrawOp& op) { return op.kind == testing::DrawOp::Text; });
  ASSERT_NE(first_text, ops.end());
  // Every cell under "LEVEL" and the number is repainted before the text.
  for (const auto& [x, y] : {std::pair{-2, 0}, {-1, 0}, {0, 0}, {1, -1}, {2, -1}, {3, -1}}) {
    const double left = BOARD_LEFT + SQUARE_WIDTH * x, top = BOARD_TOP + SQUARE_HEIGHT * y;
    EXPECT_TRUE(std::any_of(ops.begin(), first_text,
                            [&](const testing::DrawOp& op) {
                              return op.kind == testing::DrawOp::Picture && op.picture == PICTURE_UCHU &&
                                     op.left == left && op.top == top;
                            }))
        << x << "," << y;
  }
  EXPECT_EQ(g.com.com_level, 1);
}

}  // namespace
}  // namespace velmora
