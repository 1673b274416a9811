// The survey of the stepping pieces: counts, defender and attacker records,
// thresholds, ties, check marks and the king squares.
#include "influence/survey.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace velmora {
namespace {

class Survey : public ::testing::Test {
 protected:
  Game& g = t.game;
  InfluenceMaps& m = t.game.maps;

  void put(int x, int y, int code) { g.board(x, y) = code; }
  void survey() { 勢力調査(g); }

  testing::TestGame t;
};

TEST_F(Survey, EmptyBoardResetsEveryMapAndKeepsTheKingSquares) {
  m.own_king_x = 3, m.own_king_y = 4, m.enemy_king_x = 5, m.enemy_king_y = 6;
  // Leave traces of an earlier survey everywhere.
  put(5, 5, -SYA);
  put(5, 1, KING);
  put(4, 4, KEI);
  put(6, 6, KNIG);
  survey();
  g.board.fill_squares(EMPTY);
  survey();
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      SCOPED_TRACE(::testing::Message() << "square " << x << "," << y);
      EXPECT_EQ(m.own_influence(x, y), 0);
      EXPECT_EQ(m.enemy_influence(x, y), 0);
      EXPECT_EQ(m.own_check_map(x, y), 0);
      EXPECT_EQ(m.enemy_check_map(x, y), 0);
      EXPECT_EQ(m.own_defender_code(x, y), 999);
      EXPECT_EQ(m.enemy_defender_code(x, y), 999);
      EXPECT_EQ(m.enemy_attacker_code(x, y), 999);
      EXPECT_EQ(m.own_attacker_code(x, y), -999);
      EXPECT_EQ(m.own_attacker_x(x, y), 0);
      EXPECT_EQ(m.own_attacker_y(x, y), 0);
      EXPECT_EQ(m.enemy_defender_x(x, y), 0);
      EXPECT_EQ(m.enemy_defender_y(x, y), 0);
      EXPECT_EQ(m.enemy_attacker_x(x, y), 0);
      EXPECT_EQ(m.enemy_attacker_y(x, y), 0);
    }
  }
  EXPECT_EQ(m.own_attacker_code(0, 0), 0) << "index 0 is never written";
  EXPECT_EQ(m.own_king_x, 3) << "no own king was ever on the board";
  EXPECT_EQ(m.own_king_y, 4);
  EXPECT_EQ(m.enemy_king_x, 5) << "the king of the earlier survey";
  EXPECT_EQ(m.enemy_king_y, 1);
}

TEST_F(Survey, KingSquaresComeFromEveryKindOfKing) {
  put(2, 8, -SYOU);
  put(7, 2, KING);
  survey();
  EXPECT_EQ(m.own_king_x, 2);
  EXPECT_EQ(m.own_king_y, 8);
  EXPECT_EQ(m.enemy_king_x, 7);
  EXPECT_EQ(m.enemy_king_y, 2);

  g.board.fill_squares(EMPTY);
  put(4, 9, -KING);
  put(5, 2, SYOU);
  survey();
  EXPECT_EQ(m.own_king_x, 4);
  EXPECT_EQ(m.own_king_y, 9);
  EXPECT_EQ(m.enemy_king_x, 5);
  EXPECT_EQ(m.enemy_king_y, 2);

  g.board.fill_squares(EMPTY);
  put(1, 1, -OU);
  put(9, 9, OU);
  survey();
  EXPECT_EQ(m.own_king_x, 1);
  EXPECT_EQ(m.own_king_y, 1);
  EXPECT_EQ(m.enemy_king_x, 9);
  EXPECT_EQ(m.enemy_king_y, 9);
}

TEST_F(Survey, AttackerTieGoesToTheFirstPieceInScanOrder) {
  put(4, 6, -GIN);
  put(6, 6, -GIN);
  put(5, 5, KIN);
  survey();
  EXPECT_EQ(m.own_influence(5, 5), 2);
  EXPECT_EQ(m.own_attacker_code(5, 5), -GIN);
  EXPECT_EQ(m.own_attacker_x(5, 5), 4);
  EXPECT_EQ(m.own_attacker_y(5, 5), 6);
}

TEST_F(Survey, TheWeakestAttackerIsRecorded) {
  put(5, 9, -SYA);  // reaches (5, 5) along the column
  put(6, 6, -GIN);  // reaches (5, 5) diagonally
  put(5, 5, ROOK);
  survey();
  EXPECT_EQ(m.own_influence(5, 5), 2);
  EXPECT_EQ(m.own_attacker_code(5, 5), -GIN) << "the code nearest to zero wins";
  EXPECT_EQ(m.own_attacker_x(5, 5), 6);
  EXPECT_EQ(m.own_attacker_y(5, 5), 6);
}

TEST_F(Survey, TheLowestCodeIsTheDefender) {
  put(5, 6, -HU);
  put(4, 6, -KIN);
  put(5, 5, -GIN);
  survey();
  EXPECT_EQ(m.own_defender_code(5, 5), -KIN);
  EXPECT_EQ(m.own_influence(5, 5), 2);

  g.board.fill_squares(EMPTY);
  put(5, 4, HU);
  put(4, 4, KIN);
  put(5, 5, GIN);
  survey();
  EXPECT_EQ(m.enemy_defender_code(5, 5), HU);
  EXPECT_EQ(m.enemy_influence(5, 5), 2);
}

TEST_F(Survey, ShogiKnightMarksTheCheckedKingsSquareToo) {
  put(5, 5, -KEI);
  put(4, 3, KING);
  survey();
  EXPECT_EQ(m.own_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(4, 3), CHECKER_MARK);

  g.board.fill_squares(EMPTY);
  put(5, 5, -KNIG);
  put(4, 3, KING);
  survey();
  EXPECT_EQ(m.own_check_map(5, 5), CHECKER_MARK);
  EXPECT_EQ(m.own_check_map(4, 3), 0);
  EXPECT_EQ(m.own_attacker_code(4, 3), -KNIG);
}

TEST_F(Survey, EnemyShogiKnightMarksTheOwnKingButNotItsOwnKing) {
  put(5, 1, KEI);
  put(4, 3, -OU);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 1), CHECKER_MARK);
  EXPECT_EQ(m.enemy_check_map(4, 3), CHECKER_MARK);
  EXPECT_EQ(m.enemy_influence(4, 3), 1);

  g.board.fill_squares(EMPTY);
  put(5, 1, KEI);
  put(6, 3, KING);
  survey();
  EXPECT_EQ(m.enemy_check_map(5, 1), 0);
  EXPECT_EQ(m.enemy_check_map(6, 3), 0);
  EXPECT_EQ(m.enemy_defender_code(6, 3), KEI);
  EXPECT_EQ(m.enemy_defender_x(6, 3), 5);
  EXPECT_EQ(m.enemy_defender_y(6, 3), 1);
}

}  // namespace
}  // namespace velmora
