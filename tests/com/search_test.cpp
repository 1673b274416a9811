// The search: scan order and ties, early stops, promotion choices and when
// drops are tried.
#include <gtest/gtest.h>

#include "com_test_support.h"
#include "rules/hand_index.h"

namespace velmora {
namespace {

using testing::ComGame;

constexpr int HAND_GIN = 9;
constexpr int HAND_KIN = 10;
constexpr int HAND_HOU = 18;

struct Searched {
  Candidate best;
  bool found = false;
  SearchTrace trace;
};

Searched search_tracing(Game& g, int sx, int sy, int tx, int ty) {
  Searched s;
  s.trace = testing::trace_candidate(g, sx, sy, tx, ty, s.best, s.found);
  return s;
}

bool same(const Candidate& c, int sx, int sy, int tx, int ty, int starting, int final_code) {
  return c == named_candidate({sx, sy}, {tx, ty}, starting, final_code);
}

TEST(SearchTies, EqualScoresGoToTheFirstCandidateInScanOrder) {
  // A position symmetric about the middle column: both pawn pushes score alike.
  ComGame c({{3, 3, +HU}, {7, 3, +HU}, {5, 9, -OU}}, 1);
  const Searched left = search_tracing(c.g, 3, 3, 3, 4);
  const Searched right = search_tracing(c.g, 7, 3, 7, 4);
  ASSERT_EQ(left.trace.evaluations.size(), 1u);
  ASSERT_EQ(right.trace.evaluations.size(), 1u);
  ASSERT_EQ(left.trace.evaluations[0].score, right.trace.evaluations[0].score);
  EXPECT_TRUE(same(left.best, 3, 3, 3, 4, +HU, +HU));
  EXPECT_EQ(c.g.com.com_best_score, left.trace.evaluations[0].score);
}

TEST(SearchEarlyStops, TakingTheOUStopsEverythingDropsIncluded) {
  ComGame c({{2, 3, +KIN}, {2, 4, -OU}, {5, 1, +OU}});
  c.give_enemy(HAND_KIN);
  c.g.menu.CHESS_MOCHIKOMA = true;
  EXPECT_TRUE(search_tracing(c.g, 5, 1, 5, 2).trace.evaluations.empty());
  const Searched s = search_tracing(c.g, -5, HAND_KIN, 9, 9);
  EXPECT_TRUE(s.trace.evaluations.empty());
  EXPECT_TRUE(same(s.best, 2, 3, 2, 4, +KIN, +KIN));
  EXPECT_EQ(c.g.com.com_best_score, points(9999));
}

TEST(SearchEarlyStops, TakingAnotherKingScores9999ButTheSearchRunsOn) {
  ComGame c({{2, 3, +KIN}, {2, 4, -SYOU}, {5, 1, +OU}});
  c.give_enemy(HAND_KIN);
  c.g.menu.CHESS_MOCHIKOMA = true;
  EXPECT_FALSE(search_tracing(c.g, 5, 1, 5, 2).trace.evaluations.empty());
  const Searched s = search_tracing(c.g, -5, HAND_KIN, 9, 9);
  EXPECT_FALSE(s.trace.evaluations.empty());
  EXPECT_TRUE(same(s.best, 2, 3, 2, 4, +KIN, +KIN));
  EXPECT_EQ(c.g.com.com_best_score, points(9999));
}

TEST(SearchEarlyStops, AMatingDropEndsTheDrops) {
  // A gold dropped on (1, 8), guarded by the knight, mates the OU in the corner.
  ComGame c({{1, 9, -OU}, {2, 6, +KEI}, {9, 1, +OU}});
  c.give_enemy(HAND_KIN);
  c.give_enemy(HAND_HOU);
  c.g.menu.CHESS_MOCHIKOMA = true;
  const Searched s = search_tracing(c.g, -5, HAND_KIN, 2, 1);
  EXPECT_TRUE(same(s.best, -5, HAND_KIN, 1, 8, +KIN, +KIN));
  EXPECT_EQ(c.g.com.com_best_score, points(9998));
  EXPECT_TRUE(s.trace.evaluations.empty());
  EXPECT_TRUE(search_tracing(c.g, -3, HAND_HOU, 5, 5).trace.evaluations.empty());
}

TEST(SearchPromotion, ForcedPromotionIsTheOnlyEvaluation) {
  ComGame c({{5, 8, +HU}, {1, 9, -OU}});
  const Searched s = search_tracing(c.g, 5, 8, 5, 9);
  ASSERT_EQ(s.trace.evaluations.size(), 1u);
  EXPECT_EQ(s.trace.evaluations[0].code, +HU_N);
  EXPECT_TRUE(same(s.best, 5, 8, 5, 9, +HU, +HU_N));
}

TEST(SearchPromotion, APawnIsPromotedEvenWhenStayingAPawnScoredHigher) {
  // The pawn takes a pawn in front of the person's rook, its square behind
  // guarded once: worth 55 to a pawn, nothing to a tokin.
  ComGame c({{5, 6, +HU}, {5, 5, +KIN}, {5, 7, -HU}, {5, 9, -SYA}, {1, 9, -OU}});
  const Searched s = search_tracing(c.g, 5, 6, 5, 7);
  ASSERT_EQ(s.trace.evaluations.size(), 2u);
  const Tenths as_pawn = s.trace.evaluations[0].score, as_tokin = s.trace.evaluations[1].score;
  ASSERT_GT(as_pawn, as_tokin);
  EXPECT_TRUE(same(s.best, 5, 6, 5, 7, +HU, +HU_N));
  EXPECT_EQ(c.g.com.com_best_score, as_pawn);
}

TEST(SearchPromotion, ASilverStaysUnpromotedUnlessPromotingScoresHigher) {
  // Unpromoted on (5, 7) the silver forks the two golds diagonally behind it.
  ComGame c({{5, 6, +GIN}, {4, 6, -KIN}, {6, 6, -KIN}, {1, 1, -OU}});
  const Searched s = search_tracing(c.g, 5, 6, 5, 7);
  ASSERT_EQ(s.trace.evaluations.size(), 2u);
  ASSERT_GE(s.trace.evaluations[0].score, s.trace.evaluations[1].score);
  EXPECT_TRUE(same(s.best, 5, 6, 5, 7, +GIN, +GIN));
}

TEST(SearchDrops, TheChessArmyDropsOnlyWithTheOption) {
  ComGame c({{5, 1, +KING}, {5, 9, -OU}});
  c.give_enemy(HAND_GIN);
  EXPECT_TRUE(search_tracing(c.g, -5, HAND_GIN, 5, 5).trace.evaluations.empty());
  c.g.menu.CHESS_MOCHIKOMA = true;
  EXPECT_EQ(search_tracing(c.g, -5, HAND_GIN, 5, 5).trace.evaluations.size(), 1u);
}

TEST(SearchDrops, TheMainArmyOnTopAlwaysDrops) {
  ComGame c({{5, 1, +OU}, {5, 9, -KING}});
  c.g.pos.chess_sign = -1;
  c.give_enemy(HAND_PORN);
  EXPECT_EQ(search_tracing(c.g, -1, HAND_PORN, 5, 5).trace.evaluations.size(), 1u);
}

TEST(SearchState, TheBoardIsAsBeforeAndTheTurnStateIsKept) {
  ComGame c({{5, 6, +HU}, {5, 5, +KIN}, {5, 7, -HU}, {5, 9, -SYA}, {1, 9, -OU}});
  const Board before = c.g.pos.board;
  ASSERT_TRUE(com_search(c.g));
  EXPECT_EQ(c.g.pos.board, before);
  EXPECT_EQ(c.g.com.board_before_com, before);
  // The maps before any candidate are those of the position itself.
  勢力調査(c.g.pos, c.g.maps);
  EXPECT_EQ(c.g.com.own_influence_before, c.g.maps.own_influence);
  EXPECT_EQ(c.g.com.enemy_influence_before, c.g.maps.enemy_influence);
}

TEST(SearchState, NoCandidateLeavesTheBestScoreAtItsStart) {
  ComGame c({{5, 9, +HU}, {1, 9, -OU}});  // the pawn on the last row cannot move
  EXPECT_FALSE(com_search(c.g));
  EXPECT_EQ(c.g.com.com_best_score, points(-99999));
}

}  // namespace
}  // namespace velmora
