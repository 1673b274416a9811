// The gold-moving kinds: their six steps, the codes they book and the kings
// they check.
#include <gtest/gtest.h>

#include "influence/survey.h"
#include "influence_fixture.h"

namespace velmora {
namespace {

using Golds = InfluenceTest;

TEST_F(Golds, OwnPromotedPiecesBookTheirOwnCode) {
  put(5, 5, -HU_N);
  put(5, 4, KIN);
  put(5, 6, -GIN);
  survey();
  EXPECT_EQ(m.own_attacker_code(5, 4), -HU_N);
  EXPECT_EQ(m.own_attacker_x(5, 4), 5);
  EXPECT_EQ(m.own_attacker_y(5, 4), 5);
  EXPECT_EQ(m.own_defender_code(5, 6), -HU_N);
}

TEST_F(Golds, EnemyPromotedPiecesBookAsGold) {
  put(5, 5, HU_N);
  put(5, 6, GIN);
  put(4, 6, -GIN);
  survey();
  EXPECT_EQ(m.enemy_defender_code(5, 6), KIN);
  EXPECT_EQ(m.enemy_defender_x(5, 6), 0) << "an enemy gold records no defender square";
  EXPECT_EQ(m.enemy_influence(4, 6), 1);
  EXPECT_EQ(m.enemy_attacker_code(4, 6), 999) << "an enemy gold records no attack";
  EXPECT_EQ(m.enemy_attacker_x(4, 6), 0);
  EXPECT_EQ(m.enemy_attacker_y(4, 6), 0);
}

TEST_F(Golds, OwnGoldChecksTheChessKingOnly) {
  put(5, 2, -KIN);
  put(5, 1, KING);
  survey();
  EXPECT_EQ(m.own_check_map(5, 2), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(5, 1), 0);

  put(5, 1, OU);
  survey();
  EXPECT_EQ(m.own_attacker_code(5, 1), -KIN);
  EXPECT_EQ(m.own_attacker_x(5, 1), 5);
  EXPECT_EQ(m.own_attacker_y(5, 1), 2);
  EXPECT_EQ(m.own_check_map(5, 2), 0);

  put(5, 1, SYOU);
  survey();
  EXPECT_EQ(m.own_check_map(5, 2), 0);
}

TEST_F(Golds, EnemyGoldChecksTheKingBehindItOnlyWhenItIsAnOu) {
  put(5, 5, KIN);
  put(5, 4, -KING);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 4), 1);
  EXPECT_EQ(m.enemy_check_map(5, 5), 0);

  put(5, 4, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 5), CHECKER_MARK);

  const int others[5][2] = {{5, 6}, {4, 6}, {6, 6}, {4, 5}, {6, 5}};
  for (const auto& sq : others) {
    clear();
    put(5, 5, KIN);
    put(sq[0], sq[1], -KING);
    survey();
    EXPECT_EQ(m.enemy_check_map(5, 5), CHECKER_MARK) << sq[0] << "," << sq[1];
  }
  clear();
  put(5, 5, KIN);
  put(5, 6, -SYOU);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 5), 0) << "the general is not in the gold's check set";
}

TEST_F(Golds, GoldsOnTheirLastRowReachThreeSquares) {
  put(5, 1, -KIN);
  survey();
  EXPECT_EQ(m.own_influence(5, 2), 1);
  EXPECT_EQ(m.own_influence(4, 1), 1);
  EXPECT_EQ(m.own_influence(6, 1), 1);
  EXPECT_EQ(m.own_influence(4, 2), 0);
  EXPECT_EQ(m.own_influence(6, 2), 0);

  clear();
  put(5, 9, KIN);
  survey();
  EXPECT_EQ(m.enemy_influence(5, 8), 1);
  EXPECT_EQ(m.enemy_influence(4, 9), 1);
  EXPECT_EQ(m.enemy_influence(6, 9), 1);
  EXPECT_EQ(m.enemy_influence(4, 8), 0);
  EXPECT_EQ(m.enemy_influence(6, 8), 0);
}

}  // namespace
}  // namespace velmora
