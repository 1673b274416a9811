#include "rules/promotion.h"

#include "rules/move_check.h"
#include "rules/rules_fixture.h"
#include "view/animation.h"

namespace velmora {
namespace {

class PromotionTest : public RulesTest {
 protected:
  // 1 with the promoted code, or 0 with a mark that no code was answered.
  static std::pair<int, int> promote(int fx, int fy, int tx, int ty, int code) {
    const int promoted = 調査_駒成({fx, fy}, {tx, ty}, code);
    return promoted != EMPTY ? std::pair{1, promoted} : no();
  }
  static std::pair<int, int> yes(int code) { return {1, code}; }
  static std::pair<int, int> no() { return {0, -777}; }
};

TEST_F(PromotionTest, PawnLanceAndKnightPromoteOnlyByArrivingInTheFarZone) {
  for (int kind : {HU, KYOU, KEI}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(promote(5, 4, 5, 3, -kind), yes(-kind - 1));
    EXPECT_EQ(promote(5, 3, 5, 4, -kind), no());  // leaving the zone is not enough
    EXPECT_EQ(promote(5, 5, 5, 4, -kind), no());
    EXPECT_EQ(promote(5, 6, 5, 7, +kind), yes(kind + 1));
    EXPECT_EQ(promote(5, 7, 5, 6, +kind), no());
    EXPECT_EQ(promote(5, 5, 5, 6, +kind), no());
  }
}

TEST_F(PromotionTest, SilverBishopAndRookAlsoPromoteOnLeavingTheFarZone) {
  for (int kind : {GIN, KAKU, SYA}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(promote(5, 3, 5, 4, -kind), yes(-kind - 1));
    EXPECT_EQ(promote(5, 5, 5, 2, -kind), yes(-kind - 1));
    EXPECT_EQ(promote(5, 4, 5, 5, -kind), no());
    EXPECT_EQ(promote(5, 7, 5, 4, +kind), yes(kind + 1));
    EXPECT_EQ(promote(5, 5, 5, 8, +kind), yes(kind + 1));
    EXPECT_EQ(promote(5, 6, 5, 5, +kind), no());
  }
  EXPECT_EQ(promote(5, 7, 5, 4, +SYA), yes(+SYA_N));
}

TEST_F(PromotionTest, AChessPawnPromotesToAQueenOnItsLastTwoRows) {
  EXPECT_EQ(promote(5, 3, 5, 2, -PORN), yes(-QEEN));
  EXPECT_EQ(promote(5, 2, 5, 1, -PORN), yes(-QEEN));
  EXPECT_EQ(promote(5, 4, 5, 3, -PORN), no());
  EXPECT_EQ(promote(5, 7, 5, 8, +PORN), yes(+QEEN));
  EXPECT_EQ(promote(5, 6, 5, 7, +PORN), no());
}

TEST_F(PromotionTest, DropsAndKindsThatNeverPromoteAreRefused) {
  for (int fx : {15, 13, 11, -1, -3, -5}) {
    EXPECT_EQ(promote(fx, 3, 5, 2, -HU), no());
    EXPECT_EQ(promote(fx, 7, 5, 8, +KEI), no());
  }
  for (int kind : {HU_N, HEISI, KYOU_N, KURUMA, KEI_N,  GIN_N, KIN,  ROOK, KNIG, BISH,
                   UMA,  ZOU,   TUKAE,  HOU,    KAKU_N, SYA_N, QEEN, KING, SYOU, OU}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(promote(5, 2, 5, 1, -kind), no());
    EXPECT_EQ(promote(5, 8, 5, 9, +kind), no());
  }
  EXPECT_EQ(promote(5, 2, 5, 1, 99), no());
}

TEST_F(PromotionTest, OnlyAChessPawnOnItsPromotionRowsGetsTheChoice) {
  EXPECT_TRUE(調査_駒成人選(2, -PORN));
  EXPECT_TRUE(調査_駒成人選(1, -PORN));
  EXPECT_FALSE(調査_駒成人選(3, -PORN));
  EXPECT_TRUE(調査_駒成人選(8, +PORN));
  EXPECT_TRUE(調査_駒成人選(9, +PORN));
  EXPECT_FALSE(調査_駒成人選(7, +PORN));
  EXPECT_FALSE(調査_駒成人選(9, -PORN));
  EXPECT_FALSE(調査_駒成人選(1, +PORN));
  EXPECT_FALSE(調査_駒成人選(1, -HU));
  EXPECT_FALSE(調査_駒成人選(1, -QEEN));
}

TEST_F(PromotionTest, PromotionIsCompulsoryOnlyOnTheLastRowsOfPawnsLancesAndKnights) {
  EXPECT_FALSE(移動後チェック(2, -KEI));
  EXPECT_TRUE(移動後チェック(3, -KEI));
  EXPECT_FALSE(移動後チェック(8, +KEI));
  EXPECT_FALSE(移動後チェック(1, -KYOU));
  EXPECT_TRUE(移動後チェック(2, -HU));
  EXPECT_TRUE(移動後チェック(8, +PORN));  // may stay a pawn on row 8
  EXPECT_FALSE(移動後チェック(9, +PORN));
  EXPECT_TRUE(移動後チェック(9, -PORN));  // the own pawn's last row is row 1
  for (int code : {-HEISI, +HEISI, -GIN, +GIN, -KIN, -HU_N, +KNIG, -ZOU, 99})
    for (int row : {1, 2, 8, 9}) EXPECT_TRUE(移動後チェック(row, code)) << code << " on row " << row;
}

TEST_F(PromotionTest, TheCompulsoryRowsAgreeWithTheMoveCheck) {
  // Where promotion is compulsory the unpromoted piece has no move left.
  for (int code : {-HU, -KYOU, -KEI, -PORN, +HU, +KYOU, +KEI, +PORN}) {
    for (int row = 1; row <= 9; ++row) {
      g.pos.board.fill_squares(EMPTY);
      put(5, row, code);
      bool any = false;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) any = any || 移動チェック(g.pos, {5, row}, {x, y}, code) == 1;
      if (!移動後チェック(row, code)) {
        EXPECT_FALSE(any) << code << " on row " << row;
      }
    }
  }
}

TEST_F(PromotionTest, WaitingLastsTheGivenSecondsAlsoOverMidnight) {
  t.fakes.clock.now = 86399.9;
  wait_seconds(g, 0.3);
  EXPECT_DOUBLE_EQ(t.fakes.clock.waited, 0.3);
  wait_seconds(g, 0);
  wait_seconds(g, -5);
  EXPECT_DOUBLE_EQ(t.fakes.clock.waited, 0.3);
}

}  // namespace
}  // namespace velmora
