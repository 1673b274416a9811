#include "rules/move_list.h"

#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/rules_fixture.h"
#include "rules/turn_order.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

class MoveListTest : public RulesTest {
 protected:
  void SetUp() override { 初期設定(g); }
};

TEST_F(MoveListTest, AMoveIsStoredWithItsPositionHandsDestinationCodeAndClocks) {
  put(3, 3, -SYA);
  g.pos.hand_own[12] = 1;
  g.pos.hand_enemy[6] = 2;
  g.pos.move_number = 1;
  手順保存(g.pos, {{{3, 4}, {3, 3}, -SYA, -SYA_N}, 10.5, 14.25, 20, 20});
  const HistorySlot& s = g.pos.history.slot(1);
  EXPECT_EQ(s.board, g.pos.board);
  EXPECT_EQ(s.hand_own, g.pos.hand_own);
  EXPECT_EQ(s.hand_enemy, g.pos.hand_enemy);
  EXPECT_EQ(s.move_to, (Cell{3, 3}));
  EXPECT_EQ(s.move_code, -SYA_N);
  EXPECT_EQ(s.clock_own_before, 10.5);
  EXPECT_EQ(s.clock_own_after, 14.25);
  EXPECT_EQ(s.clock_enemy_before, 20);
  EXPECT_EQ(s.clock_enemy_after, 20);
  EXPECT_EQ(g.pos.history.record_length, 1);
  // The starting position in slot 0 is untouched.
  EXPECT_EQ(g.pos.history.slot(0).board(3, 3), EMPTY);
  EXPECT_EQ(g.pos.history.slot(0).move_code, HU);
}

TEST_F(MoveListTest, ANewMoveAfterSteppingBackCutsTheOldLine) {
  play(2, 7, 2, 6, -HU);
  play(3, 2, 3, 4, +PORN);
  play(2, 6, 2, 5, -HU);
  ASSERT_EQ(g.pos.history.record_length, 3);
  // Two steps back, as the replay does: the position of slot 1 on the board.
  g.pos.move_number = 1;
  g.pos.board = g.pos.history.slot(1).board;
  play(4, 2, 4, 4, +PORN);
  EXPECT_EQ(g.pos.history.record_length, 2);
  EXPECT_EQ(g.pos.history.slot(2).move_to.x, 4);
  EXPECT_EQ(g.pos.history.slot(2).board(3, 4), EMPTY);
  EXPECT_EQ(g.pos.history.slot(2).board(4, 4), +PORN);
}

TEST_F(MoveListTest, AMoveNumberBelowZeroWritesNothing) {
  g.pos.move_number = -1;
  g.pos.history.record_length = 5;
  手順保存(g.pos, {{{1, 1}, {1, 2}, HU, HU}});
  EXPECT_EQ(g.pos.history.record_length, 5);
  EXPECT_EQ(g.pos.history.slot(0).move_to.x, 0);
}

TEST_F(MoveListTest, AMatchLongerThanFiveHundredMovesKeepsEveryPosition) {
  // The two sides shuffle a piece back and forth for 600 moves.
  for (int i = 0; i < 300; ++i) {
    const bool out = i % 2 == 0;
    play(out ? 2 : 1, 8, out ? 1 : 2, 8, -HOU);
    play(out ? 3 : 1, out ? 1 : 2, out ? 1 : 3, out ? 2 : 1, +KNIG);
  }
  play(2, 7, 2, 6, -HU);  // move 601
  ASSERT_EQ(g.pos.move_number, 601);
  EXPECT_EQ(g.pos.history.record_length, 601);
  EXPECT_GE(g.pos.history.slots.size(), 602u);

  // Every slot holds its own position: after move n the cannon has moved
  // (n + 1) / 2 times and stands on column 1 after an odd number of them.
  for (int n : {1, 499, 500, 501, 502, 599}) {
    SCOPED_TRACE(n);
    const bool cannon_out = ((n + 1) / 2) % 2 == 1;
    EXPECT_EQ(g.pos.history.slot(n).board(1, 8), cannon_out ? -HOU : EMPTY);
    EXPECT_EQ(g.pos.history.slot(n).board(2, 8), cannon_out ? EMPTY : -HOU);
  }
  // What the later moves did and who moves next can still be told.
  int x = 0, y = 0, code = 0;
  ASSERT_TRUE(調査_移動結果(g.pos, 601, x, y, code));
  EXPECT_EQ(x, 2);
  EXPECT_EQ(y, 6);
  EXPECT_EQ(code, -HU);
  EXPECT_EQ(調査_先番(g.pos, 601), g.pos.main_sign());
  EXPECT_EQ(調査_先番(g.pos, 600), g.pos.chess_sign);

  // En passant reads the move just made, also beyond move 500.
  put(3, 4, -PORN);
  play(4, 2, 4, 4, +PORN);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 1);
  play(9, 7, 9, 6, -HEISI);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 0);
}

}  // namespace
}  // namespace velmora
