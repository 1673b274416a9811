// Sliding pieces: where their lines stop, which kings they pass over, the
// check lines they mark and the codes they book.
#include <gtest/gtest.h>

#include "influence/survey.h"
#include "influence_fixture.h"

namespace velmora {
namespace {

class Lines : public InfluenceTest {
 protected:
  int own_reached() const { return sum(m.own_influence); }
  int enemy_reached() const { return sum(m.enemy_influence); }
};

TEST_F(Lines, RookLinePassesOverTheCheckedKingAndMarksTheLine) {
  put(5, 9, -SYA);
  put(5, 5, KING);
  survey();
  for (int y = 1; y <= 8; ++y) EXPECT_EQ(m.own_influence(5, y), 1) << "row " << y;
  EXPECT_EQ(m.own_attacker_code(5, 5), -SYA);
  EXPECT_EQ(m.own_attacker_x(5, 5), 5);
  EXPECT_EQ(m.own_attacker_y(5, 5), 9);
  EXPECT_EQ(m.own_check_map(5, 9), CHECKER_MARK);
  for (int y = 6; y <= 8; ++y) EXPECT_EQ(m.own_check_map(5, y), LINE_MARK) << "row " << y;
  for (int y = 1; y <= 5; ++y) EXPECT_EQ(m.own_check_map(5, y), 0) << "row " << y;
  EXPECT_EQ(own_reached(), 8 + 8) << "column 5 and row 9";
}

TEST_F(Lines, EnemyLinePassesOverTheOwnOuAndKing) {
  put(1, 5, ROOK);
  put(4, 5, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(1, 5), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(2, 5), LINE_MARK);
  EXPECT_EQ(m.enemy_check_map(3, 5), LINE_MARK);
  EXPECT_EQ(m.enemy_check_map(4, 5), 0);
  EXPECT_EQ(m.enemy_influence(5, 5), 1) << "behind the king";
  EXPECT_EQ(m.enemy_influence(9, 5), 1);
  EXPECT_EQ(m.enemy_attacker_code(4, 5), ROOK);
  EXPECT_EQ(m.enemy_attacker_x(4, 5), 1);
  EXPECT_EQ(m.enemy_attacker_y(4, 5), 5);

  put(4, 5, -KING);
  survey();
  EXPECT_EQ(m.enemy_check_map(1, 5), CHECKER_MARK);
  EXPECT_EQ(m.enemy_influence(9, 5), 1);
}

TEST_F(Lines, LinesStopAtAGeneralWithoutMarkingACheck) {
  put(1, 1, ROOK);
  put(5, 1, -SYOU);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 1), 1);
  for (int x = 6; x <= 9; ++x) EXPECT_EQ(m.enemy_influence(x, 1), 0) << "column " << x;
  EXPECT_EQ(m.enemy_attacker_code(5, 1), ROOK);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(m.own_check_map(x, y), 0);
      EXPECT_EQ(m.enemy_check_map(x, y), 0);
    }
}

TEST_F(Lines, ALineStopsAtAPieceOfItsOwnSideAndProtectsIt) {
  put(1, 5, -ROOK);
  put(3, 5, -OU);
  survey();
  EXPECT_EQ(m.own_influence(2, 5), 2) << "the rook and the king";
  EXPECT_EQ(m.own_influence(3, 5), 1);
  EXPECT_EQ(m.own_defender_code(3, 5), -ROOK);
  EXPECT_EQ(m.own_influence(5, 5), 0) << "the own king blocks its own line";

  g.pos.board.fill_squares(EMPTY);
  put(5, 1, KURUMA);
  put(5, 4, KIN);
  survey();
  EXPECT_EQ(m.enemy_defender_code(5, 4), KURUMA);
  EXPECT_EQ(m.enemy_defender_x(5, 4), 5);
  EXPECT_EQ(m.enemy_defender_y(5, 4), 1);
  EXPECT_EQ(m.enemy_influence(5, 5), 1) << "the gold's own step";
  EXPECT_EQ(m.enemy_influence(5, 6), 0);
}

TEST_F(Lines, LancesLookForwardOnly) {
  put(3, 1, -KYOU);
  put(7, 9, KYOU);
  survey();
  EXPECT_EQ(own_reached(), 0);
  EXPECT_EQ(enemy_reached(), 0);

  g.pos.board.fill_squares(EMPTY);
  put(3, 5, -KYOU);
  put(7, 5, KYOU);
  survey();
  EXPECT_EQ(own_reached(), 4);
  EXPECT_EQ(m.own_influence(3, 1), 1);
  EXPECT_EQ(m.own_influence(3, 6), 0);
  EXPECT_EQ(enemy_reached(), 4);
  EXPECT_EQ(m.enemy_influence(7, 9), 1);
  EXPECT_EQ(m.enemy_influence(7, 4), 0);
}

TEST_F(Lines, SlidersBookTheirOwnCodes) {
  put(1, 1, -SYA_N);
  put(1, 5, ROOK);
  put(9, 9, -KURUMA);
  put(9, 5, ROOK);
  survey();
  EXPECT_EQ(m.own_attacker_code(1, 5), -SYA_N);
  EXPECT_EQ(m.own_attacker_code(9, 5), -KURUMA);
}

TEST_F(Lines, QueenSlidesAttackEverythingStraightButSkipPawnsDiagonally) {
  put(5, 5, QEEN);
  put(5, 7, -HU);
  put(7, 7, -HEISI);
  put(3, 3, HU_N);
  put(5, 3, HU);
  survey();
  EXPECT_EQ(m.enemy_attacker_code(5, 7), QEEN);
  EXPECT_EQ(m.enemy_attacker_x(5, 7), 5);
  EXPECT_EQ(m.enemy_attacker_code(7, 7), 999);
  EXPECT_EQ(m.enemy_influence(7, 7), 1);
  EXPECT_EQ(m.enemy_defender_code(3, 3), 999);
  EXPECT_EQ(m.enemy_influence(3, 3), 1);
  EXPECT_EQ(m.enemy_defender_code(5, 3), QEEN);
}

TEST_F(Lines, QueenMarksChecksOnBothHalves) {
  put(1, 1, -QEEN);
  put(4, 4, OU);
  survey();
  EXPECT_EQ(m.own_check_map(1, 1), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(2, 2), LINE_MARK);
  EXPECT_EQ(m.own_check_map(3, 3), LINE_MARK);
  EXPECT_EQ(m.own_influence(9, 9), 1) << "the diagonal passes over the OU";
  EXPECT_EQ(m.own_attacker_code(4, 4), -QEEN);

  g.pos.board.fill_squares(EMPTY);
  put(9, 9, QEEN);
  put(9, 6, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(9, 9), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(9, 8), LINE_MARK);
  EXPECT_EQ(m.enemy_check_map(9, 7), LINE_MARK);
  EXPECT_EQ(m.enemy_influence(9, 1), 1);
}

TEST_F(Lines, ShogiBishopPassesOverTheChessKingOnly) {
  put(9, 9, -KAKU);
  put(5, 5, KING);
  survey();
  EXPECT_EQ(m.own_check_map(9, 9), CHECKER_MARK);
  for (int i = 6; i <= 8; ++i) EXPECT_EQ(m.own_check_map(i, i), LINE_MARK) << i;
  EXPECT_EQ(m.own_check_map(5, 5), 0);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(m.own_influence(i, i), 1) << i;

  put(5, 5, OU);
  survey();
  EXPECT_EQ(m.own_influence(5, 5), 1);
  EXPECT_EQ(m.own_attacker_code(5, 5), -KAKU);
  EXPECT_EQ(m.own_influence(4, 4), 0);
  EXPECT_EQ(m.own_check_map(9, 9), 0);
  EXPECT_EQ(m.own_check_map(7, 7), 0);

  put(9, 9, -BISH);
  survey();
  EXPECT_EQ(m.own_check_map(9, 9), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(6, 6), LINE_MARK);
  EXPECT_EQ(m.own_influence(1, 1), 1);
  EXPECT_EQ(m.own_attacker_code(5, 5), -BISH);
}

TEST_F(Lines, EnemyBishopsDifferOnlyInTheirPawnThreshold) {
  put(3, 3, BISH);
  put(5, 5, -HU);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 5), 1);
  EXPECT_EQ(m.enemy_attacker_code(5, 5), 999);

  put(3, 3, KAKU);
  survey();
  EXPECT_EQ(m.enemy_attacker_code(5, 5), KAKU);
  EXPECT_EQ(m.enemy_attacker_x(5, 5), 3);
  EXPECT_EQ(m.enemy_attacker_y(5, 5), 3);

  put(5, 5, EMPTY);
  put(7, 7, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(3, 3), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(6, 6), LINE_MARK);
  EXPECT_EQ(m.enemy_influence(9, 9), 1);
}

TEST_F(Lines, BishopInACornerOrHemmedIn) {
  put(1, 9, -BISH);
  survey();
  EXPECT_EQ(own_reached(), 8);
  EXPECT_EQ(m.own_influence(9, 1), 1);

  g.pos.board.fill_squares(EMPTY);
  put(5, 5, KAKU);
  put(4, 4, HU);
  put(6, 4, -HU);
  put(4, 6, HU);
  put(6, 6, -HU);
  survey();
  EXPECT_EQ(m.enemy_influence(4, 4), 1);
  EXPECT_EQ(m.enemy_influence(6, 4), 1);
  EXPECT_EQ(m.enemy_influence(6, 6), 1);
  EXPECT_EQ(m.enemy_influence(4, 6), 1);
  EXPECT_EQ(m.enemy_influence(3, 3), 0);
  EXPECT_EQ(m.enemy_influence(7, 7), 0);
  EXPECT_EQ(m.enemy_defender_code(4, 4), KAKU);
  EXPECT_EQ(m.enemy_attacker_code(6, 6), KAKU);
}

TEST_F(Lines, DiagonalChecksStopAtTheGeneral) {
  put(1, 1, -BISH);
  put(4, 4, SYOU);
  survey();
  EXPECT_EQ(m.own_influence(4, 4), 1);
  EXPECT_EQ(m.own_influence(5, 5), 0);
  EXPECT_EQ(m.own_check_map(1, 1), 0);
}

}  // namespace
}  // namespace velmora
