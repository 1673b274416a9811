#include "computer/probes.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace velmora {
namespace {

TEST(MovableSquares, NoLegalMoveCountsZero) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(5, 9) = +HU;  // an enemy pawn on the last row has no step left
  EXPECT_EQ(調査_移動可場所数(g.pos, g.maps, 5, 9, +HU), 0);
}

TEST(MovableSquares, SquaresTheOtherSideReachesNeverCount) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(5, 5) = +OU;
  g.pos.board(4, 4) = -HU;  // could be captured, but it is covered
  g.maps.own_influence(4, 4) = 1;
  g.maps.own_influence(6, 6) = 2;
  EXPECT_EQ(調査_移動可場所数(g.pos, g.maps, 5, 5, +OU), 6);
  // A person's piece is judged by the computer's reach instead.
  g.maps.enemy_influence(4, 3) = 1;
  EXPECT_EQ(調査_移動可場所数(g.pos, g.maps, 4, 4, -HU), 0);
  g.maps.enemy_influence(4, 3) = 0;
  EXPECT_EQ(調査_移動可場所数(g.pos, g.maps, 4, 4, -HU), 1);
}

TEST(MovableSquares, UsesTheGivenCodeWhereverThePieceStands) {
  testing::TestGame t;
  Game& g = t.game;  // empty board: a rook in the middle reaches 16 squares
  EXPECT_EQ(調査_移動可場所数(g.pos, g.maps, 5, 5, +SYA), 16);
}

TEST(StraightDefender, RookBelowThroughEmptySquares) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(3, 8) = -SYA;
  g.pos.board(3, 4) = +GIN;  // the square itself is taken as empty, and put back
  EXPECT_TRUE(調査_自守駒MAN_直進駒(g.pos, 3, 4));
  EXPECT_EQ(g.pos.board(3, 4), +GIN);
}

TEST(StraightDefender, ComputerPieceInBetweenStopsTheWalk) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(3, 8) = -SYA;
  g.pos.board(3, 6) = +HU;
  EXPECT_FALSE(調査_自守駒MAN_直進駒(g.pos, 3, 4));
}

TEST(StraightDefender, PersonsPieceInBetweenBlocksTheRook) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(3, 8) = -SYA;
  g.pos.board(3, 6) = -KIN;  // passed over by the walk, but the rook's path is blocked
  EXPECT_FALSE(調査_自守駒MAN_直進駒(g.pos, 3, 4));
  g.pos.board(3, 6) = EMPTY;
  g.pos.board(3, 8) = -KYOU;
  EXPECT_TRUE(調査_自守駒MAN_直進駒(g.pos, 3, 4));
  g.pos.board(3, 8) = -KURUMA;  // a chariot is not one of the straight pieces looked for
  EXPECT_FALSE(調査_自守駒MAN_直進駒(g.pos, 3, 4));
}

TEST(Surroundings, CornerHasThreeNeighboursAndOnlyBigComputerPiecesCount) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(1, 2) = +KAKU;
  g.pos.board(2, 1) = +QEEN;
  g.pos.board(2, 2) = +KIN;  // below +KAKU: not counted
  g.pos.board(1, 1) = +SYA;  // the square itself is not counted
  EXPECT_EQ(調査_周辺状況(g.pos, 1, 1), -2);
  g.pos.board(2, 2) = -SYA;  // a person's piece never counts
  EXPECT_EQ(調査_周辺状況(g.pos, 1, 1), -2);
  for (int c = 4; c <= 6; ++c)
    for (int r = 4; r <= 6; ++r) g.pos.board(c, r) = +OU;
  EXPECT_EQ(調査_周辺状況(g.pos, 5, 5), -8);
}

// A computer piece on (5, 7) attacked by a person's bishop: a knight dropped
// on (4, 5) or (6, 5) forks it with (3, 7) or (7, 7).
TEST(KnightDropAim, AddsTheForkedPiecesOnBothSides) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(5, 7) = +GIN;
  g.maps.own_attacker_code(5, 7) = -KAKU;
  g.maps.own_attacker_x(5, 7) = 8;
  g.pos.board(3, 7) = -SYA;
  g.pos.board(7, 7) = -KAKU_N;
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), SYA + KAKU_N);

  g.maps.own_influence(6, 5) = 1;  // the right landing square is covered
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), SYA);
  g.maps.own_attacker_x(5, 7) = 3;  // the rook is the attacker itself
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), 0);
}

TEST(KnightDropAim, OnlyForLongShogiAttackersInThePersonsHalf) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(5, 7) = +GIN;
  g.pos.board(3, 7) = -SYA;
  g.maps.own_attacker_code(5, 7) = -GIN;
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), 0);
  g.maps.own_attacker_code(5, 7) = -QEEN;
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), 0);
  g.maps.own_attacker_code(5, 7) = -SYA_N;
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 7), SYA);
  g.pos.board(5, 5) = +GIN;
  g.pos.board(3, 5) = -SYA;
  g.maps.own_attacker_code(5, 5) = -SYA_N;
  EXPECT_EQ(調査_桂狙い(g.pos, g.maps, 5, 5), 0);  // row 5 is not past the middle
}

TEST(LanceDropAim, FirstPieceBelowThePawn) {
  testing::TestGame t;
  Game& g = t.game;
  g.pos.board(4, 7) = +HU;
  g.maps.enemy_influence(4, 6) = 1;
  g.maps.own_attacker_code(4, 7) = -SYA;
  g.pos.board(4, 9) = -KIN;
  EXPECT_EQ(調査_香狙い(g.pos, g.maps, 4, 7), KIN);
  g.pos.board(4, 8) = +GIN;  // the first piece below is the computer's own
  EXPECT_EQ(調査_香狙い(g.pos, g.maps, 4, 7), 0);
  g.pos.board(4, 8) = EMPTY;
  g.maps.own_influence(4, 6) = 1;  // the square behind the pawn is contested
  EXPECT_EQ(調査_香狙い(g.pos, g.maps, 4, 7), 0);
}

TEST(BishopThreatMarks, EmptyThinlyHeldSquaresOnTheKingsDiagonals) {
  testing::TestGame t;
  Game& g = t.game;
  g.maps.enemy_king_x = 5;
  g.maps.enemy_king_y = 1;
  g.pos.board(5, 1) = +OU;
  g.pos.board(7, 3) = +GIN;          // blocks the long diagonal beyond it
  g.maps.enemy_influence(4, 2) = 1;  // next to the king: one guard is still thin
  g.maps.enemy_influence(3, 3) = 1;  // away from the king: one guard is enough
  調査_持角狙座標(g.pos, g.maps, g.com);
  EXPECT_EQ(g.com.bishop_threat_mark(4, 2), 1);
  EXPECT_EQ(g.com.bishop_threat_mark(3, 3), 0);
  EXPECT_EQ(g.com.bishop_threat_mark(2, 4), 1);
  EXPECT_EQ(g.com.bishop_threat_mark(1, 5), 1);
  EXPECT_EQ(g.com.bishop_threat_mark(6, 2), 1);
  EXPECT_EQ(g.com.bishop_threat_mark(7, 3), 0);  // occupied
  EXPECT_EQ(g.com.bishop_threat_mark(8, 4), 0);  // blocked
  EXPECT_EQ(g.com.bishop_threat_mark(5, 3), 0);  // not on a diagonal
}

TEST(Pins, PersonsSoleScreenIsMarkedTwoScreensAreNot) {
  testing::TestGame t;
  Game& g = t.game;
  g.maps.own_king_x = 5;
  g.maps.own_king_y = 9;
  g.pos.board(5, 9) = -OU;
  g.pos.board(5, 7) = -KIN;
  g.pos.board(5, 2) = +KYOU;
  g.pos.board(1, 5) = +KAKU;
  g.pos.board(3, 7) = -GIN;   // alone on the bishop's diagonal
  g.pos.board(5, 1) = +ROOK;  // chess rooks do not pin here
  調査_移動不可駒(g.pos, g.maps, g.com);
  EXPECT_EQ(g.com.own_pinned(5, 7), 1);
  EXPECT_EQ(g.com.own_pinned(3, 7), 1);
  EXPECT_EQ(g.com.enemy_pinned_any, 0);

  g.pos.board(5, 6) = -HU;  // now two pieces screen the column
  調査_移動不可駒(g.pos, g.maps, g.com);
  EXPECT_EQ(g.com.own_pinned(5, 7), 0);
  EXPECT_EQ(g.com.own_pinned(5, 6), 0);
  EXPECT_EQ(g.pos.board(5, 7), -KIN);
}

TEST(Pins, ComputerPieceScreeningItsKingSetsTheFlag) {
  testing::TestGame t;
  Game& g = t.game;
  g.maps.enemy_king_x = 5;
  g.maps.enemy_king_y = 1;
  g.pos.board(5, 1) = +KING;
  g.pos.board(5, 3) = +PORN;
  g.pos.board(5, 8) = -SYA;
  調査_移動不可駒(g.pos, g.maps, g.com);
  EXPECT_EQ(g.com.enemy_pinned_any, 1);
  g.pos.board(5, 8) = -QEEN;  // chess pieces do not count
  調査_移動不可駒(g.pos, g.maps, g.com);
  EXPECT_EQ(g.com.enemy_pinned_any, 0);
}

}  // namespace
}  // namespace velmora
