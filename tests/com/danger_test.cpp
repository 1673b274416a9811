// The danger scan and the bishop-fork caution on surveyed positions.
#include "computer/danger.h"

#include <gtest/gtest.h>

#include "com_test_support.h"
#include "computer/probes.h"
#include "rules/hand_index.h"

namespace velmora {
namespace {

using testing::amount_of;
using testing::ComGame;
using testing::fired;

TEST(DangerForks, TwoUnguardedPiecesEarnATenthEachAndTheCheaperOne) {
  // A computer knight on (5, 5), unattacked, hits a gold and a silver.
  ComGame c({{5, 5, +KNIG}, {4, 7, -KIN}, {6, 7, -GIN}});
  EvalTrace trace;
  EXPECT_EQ(盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KNIG, 5, 5, &trace), 2 + points(GIN));
  EXPECT_EQ(amount_of(trace, Term::DangerCandidateThreatensAPiece), 2);
}

TEST(DangerForks, ASingleTargetEarnsOnlyATenth) {
  ComGame c({{5, 5, +KNIG}, {4, 7, -KIN}});
  EvalTrace trace;
  EXPECT_EQ(盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KNIG, 5, 5, &trace), 1);
  EXPECT_FALSE(fired(trace, Term::DangerForkOfTwoOrMoreCheaperPiece));
}

TEST(DangerForks, NoForkWhileTheCandidateItselfIsAttacked) {
  ComGame c({{5, 5, +KNIG}, {4, 7, -KIN}, {6, 7, -GIN}, {5, 6, -HU}});
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KNIG, 5, 5, &trace);
  EXPECT_FALSE(fired(trace, Term::DangerCandidateThreatensAPiece));
}

TEST(DangerKing, BackRowKingCostsFiftyThenTwoFiftyAndSevenHundredIndependently) {
  ComGame c({{5, 1, +OU}, {5, 3, -GIN}});
  c.give_own(HAND_BISH);
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +OU, 5, 1, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerKingOnTheBackRowSquareInFrontAttacked), points(-50));
  EXPECT_EQ(amount_of(trace, Term::DangerKingOnTheBackRowFrontNotHeld), points(-250));
  EXPECT_EQ(amount_of(trace, Term::DangerKingOnTheBackRowBishopOrQueenInHand), points(-700));

  // Held by two computer pieces, the square in front costs no 250, but the
  // bishop in hand still costs 700.
  ComGame held({{5, 1, +OU}, {4, 1, +KIN}, {5, 3, -GIN}});
  held.give_own(HAND_QEEN);
  trace.clear();
  盤評価_COM危険座標(held.g.pos, held.g.maps, held.g.com, +OU, 5, 1, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerKingOnTheBackRowSquareInFrontAttacked), points(-50));
  EXPECT_FALSE(fired(trace, Term::DangerKingOnTheBackRowFrontNotHeld));
  EXPECT_EQ(amount_of(trace, Term::DangerKingOnTheBackRowBishopOrQueenInHand), points(-700));
}

TEST(DangerHangingPieces, LossOffsetByThePieceJustCapturedThere) {
  ComGame c({{5, 5, +GIN}, {5, 6, -HU}});
  c.g.com.board_before_com(5, 5) = -KIN;  // the silver has just taken a gold
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +GIN, 5, 5, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerHangingPiece), points(-GIN));
  EXPECT_EQ(amount_of(trace, Term::DangerHangingPieceJustCapturedThere), points(KIN));
}

TEST(DangerHangingPieces, CampPieceHitByAPawnCostsMore) {
  ComGame c({{5, 3, +GIN}, {5, 4, -HU}});
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +GIN, 5, 3, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerHangingPieceInTheCamp), points(-10));
  EXPECT_EQ(amount_of(trace, Term::DangerCampPieceHitByPawnOrLance), points(-20));
}

TEST(DangerDropThreats, RookDropSkewerCountsHalfTheFarPiece) {
  // A person's rook dropped on (5, 5) would hit the knight on (5, 4) and,
  // beyond the empty (5, 3), the dragon on (5, 2): 100 and half of 23.
  ComGame c({{5, 4, +KNIG}, {5, 2, +SYA_N}, {1, 1, +OU}});
  c.give_own(HAND_ROOK);
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KNIG, 5, 4, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerRookDropSkewersTwoPieces), -1115);
}

TEST(DangerDropThreats, UnguardedSquaresCountOnlyWhileThePersonHoldsPieces) {
  // The empty square in front of the computer's knight, which nothing guards.
  ComGame c({{5, 1, +KEI}, {9, 9, -OU}});
  EvalTrace trace;
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KEI, 5, 1, &trace);
  EXPECT_FALSE(fired(trace, Term::DangerHoleInFrontOfTheKnight));
  EXPECT_FALSE(fired(trace, Term::DangerUnguardedEmptySquareInTheCamp));
  c.give_own(HAND_PORN);
  trace.clear();
  盤評価_COM危険座標(c.g.pos, c.g.maps, c.g.com, +KEI, 5, 1, &trace);
  EXPECT_EQ(amount_of(trace, Term::DangerHoleInFrontOfTheKnight), points(-5));
}

// The computer's OU on (5, 1): the marked bishop squares lie on its diagonals.
struct BishopCaution : ::testing::Test {
  ComGame c{{{5, 1, +OU}, {5, 5, +KIN}}};
  int caution(int dx, int dy) {
    c.refresh();
    調査_持角狙座標(c.g.pos, c.g.maps, c.g.com);
    return 盤評価_自角注意_COM(c.g.pos, c.g.com, dx, dy, +KIN);
  }
};

TEST_F(BishopCaution, NothingWithoutABishopToGetThere) { EXPECT_EQ(caution(5, 5), 0); }

TEST_F(BishopCaution, ABishopOnTheBoardThatReachesTheFirstSquare) {
  c.g.pos.board(1, 1) = -KAKU;  // reaches (3, 3), the first marked square seen from (5, 5)
  EXPECT_EQ(caution(5, 5), +KIN);
  c.g.pos.board(1, 1) = -KAKU_N;
  EXPECT_EQ(caution(5, 5), +KIN);
}

TEST_F(BishopCaution, ABishopInHandCountsAPawnInHandDoesNot) {
  c.give_own(HAND_HU);
  EXPECT_EQ(caution(5, 5), 0);
  c.give_own(HAND_KAKU);
  EXPECT_EQ(caution(5, 5), +KIN);
}

TEST_F(BishopCaution, OnlyTheFirstMarkedSquareIsExamined) {
  c.g.pos.board(9, 1) = -KAKU;  // reaches (7, 3), which comes after (3, 3)
  EXPECT_EQ(caution(5, 5), 0);
}

TEST_F(BishopCaution, ADestinationOffEveryMarkedDiagonalIsSafe) {
  c.give_own(HAND_KAKU);
  c.g.pos.board(5, 5) = EMPTY;
  c.g.pos.board(5, 6) = +KIN;
  EXPECT_EQ(caution(5, 6), 0);
}

}  // namespace
}  // namespace velmora
