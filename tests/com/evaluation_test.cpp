// The evaluation's early returns, its stages by level and its exact tenths,
// seen through the search so that the per-turn state is the real one.
#include "computer/evaluation.h"

#include <gtest/gtest.h>

#include "com_test_support.h"
#include "rules/hand_index.h"

namespace velmora {
namespace {

using testing::amount_of;
using testing::ComGame;
using testing::fired;

// The score the search gave one candidate (its last evaluation).
Tenths searched_score(Game& g, int sx, int sy, int tx, int ty) {
  Candidate best;
  bool found = false;
  const SearchTrace trace = testing::trace_candidate(g, sx, sy, tx, ty, best, found);
  EXPECT_FALSE(trace.evaluations.empty()) << "not a candidate";
  return trace.evaluations.empty() ? 0 : trace.evaluations.back().score;
}

TEST(EvaluationEarlyReturns, TakingAKingScores9999EvenWithTheComputersKingAttacked) {
  ComGame c({{2, 3, +KIN}, {2, 4, -SYOU}, {5, 1, +OU}, {5, 9, -SYA}});
  EXPECT_EQ(searched_score(c.g, 2, 3, 2, 4), points(9999));
}

TEST(EvaluationEarlyReturns, LeavingTheComputersKingAttackedScoresMinus9998) {
  ComGame c({{2, 3, +KIN}, {2, 5, -SYOU}, {5, 1, +OU}, {5, 9, -SYA}});
  EXPECT_EQ(searched_score(c.g, 2, 3, 2, 2), points(-9998));
}

// The person's OU in the corner; a gold to (1, 8), guarded by a pawn, mates.
TEST(EvaluationEarlyReturns, MateScores9998) {
  ComGame c({{1, 9, -OU}, {1, 7, +HU}, {2, 7, +KIN}, {9, 1, +OU}});
  EXPECT_EQ(searched_score(c.g, 2, 7, 1, 8), points(9998));
}

TEST(EvaluationEarlyReturns, MateByAPawnMoveOrDropScoresMinus9998) {
  // The pawn move may promote: unpromoted it is a pawn mate, promoted a mate.
  ComGame moved({{1, 9, -OU}, {1, 7, +HU}, {2, 7, +KIN}, {3, 8, +GIN}, {9, 1, +OU}});
  Candidate best;
  bool found = false;
  const SearchTrace t = testing::trace_candidate(moved.g, 1, 7, 1, 8, best, found);
  ASSERT_EQ(t.evaluations.size(), 2u);
  EXPECT_EQ(t.evaluations[0].score, points(-9998));
  EXPECT_EQ(t.evaluations[1].code, +HU_N);
  EXPECT_EQ(t.evaluations[1].score, points(9998));

  ComGame dropped({{1, 9, -OU}, {2, 7, +KIN}, {3, 8, +GIN}, {9, 1, +OU}});
  dropped.give_enemy(HAND_HU);
  dropped.g.menu.CHESS_MOCHIKOMA = true;
  EXPECT_EQ(searched_score(dropped.g, -5, HAND_HU, 1, 8), points(-9998));
}

// A silver dropped where a person's pawn takes it and nothing guards it.
struct HangingDrop : ::testing::Test {
  ComGame c{{{5, 6, -HU}, {9, 9, -OU}, {1, 1, +OU}}};
  HangingDrop() {
    c.give_enemy(HAND_KIND_GIN);
    c.g.menu.CHESS_MOCHIKOMA = true;
  }
  static constexpr int HAND_KIND_GIN = 9;
  Tenths at_level(int level, EvalTrace* trace = nullptr) {
    c.g.com.com_level = level;
    SearchTrace t{{-5, HAND_KIND_GIN}, {5, 5}, {}};
    com_search(c.g, &t);
    if (trace) *trace = t.evaluations.at(0).terms;
    return t.evaluations.at(0).score;
  }
};

TEST_F(HangingDrop, LevelOneStopsAfterTheDangerScan) {
  EvalTrace trace;
  at_level(1, &trace);
  EXPECT_EQ(amount_of(trace, Term::Drop), points(-5));
  EXPECT_FALSE(fired(trace, Term::MovedPieceHangs));
  EXPECT_EQ(trace.back().term, Term::DangerScanTotal);
}

TEST_F(HangingDrop, LevelTwoChargesTwiceTheCodeAndFifty) {
  const Tenths level1 = at_level(1);
  EvalTrace trace;
  const Tenths level2 = at_level(2, &trace);
  EXPECT_EQ(amount_of(trace, Term::MovedPieceHangs), points(-GIN));
  EXPECT_EQ(amount_of(trace, Term::DroppedPieceHangs), points(-GIN - 50));
  // A drop is measured against the distance of the last board move tried:
  // the computer's OU on (1, 1) stood 8 squares from the person's OU.
  EXPECT_EQ(amount_of(trace, Term::ApproachByRow), 1);
  EXPECT_EQ(level2 - level1, points(-2 * GIN - 50) + 1);
  EXPECT_EQ(at_level(3), level2);  // a silver in the middle has no piece terms that fire
}

// The person's gold on (5, 7) alone screens its OU from a computer piece on
// column 5 and is guarded by a silver; a computer piece that only this gold
// attacks, and that could take it, earns the gold's value.
Tenths pinned_attacker_bonus(ComGame& c, int sx, int sy, int tx, int ty) {
  Candidate best;
  bool found = false;
  const SearchTrace t = testing::trace_candidate(c.g, sx, sy, tx, ty, best, found);
  EXPECT_EQ(c.g.com.own_pinned(5, 7), 1);
  EXPECT_EQ(t.evaluations.size(), 1u);
  return t.evaluations.empty() ? 0 : amount_of(t.evaluations[0].terms, Term::PinnedAttackerCanBeTaken);
}

TEST(EvaluationPins, AttackerPinnedToItsKingCanBeTaken) {
  ComGame c({{5, 9, -OU}, {5, 7, -KIN}, {4, 8, -GIN}, {5, 1, +KYOU}, {3, 5, +GIN}, {9, 1, +OU}}, 2);
  EXPECT_EQ(pinned_attacker_bonus(c, 3, 5, 4, 6), points(KIN));
}

TEST(EvaluationPins, NoBonusWhenTheMoverWasTheGoldsAttackerBefore) {
  // The chess rook on (1, 7) was the cheapest computer attacker of the gold.
  ComGame c({{5, 9, -OU}, {5, 7, -KIN}, {6, 8, -GIN}, {5, 1, +SYA}, {1, 7, +ROOK}, {9, 1, +OU}}, 2);
  c.give_enemy(2);  // a rook in hand: the same square by a drop earns the bonus
  c.g.menu.CHESS_MOCHIKOMA = true;
  EXPECT_EQ(pinned_attacker_bonus(c, 1, 7, 4, 7), 0);
  EXPECT_EQ(c.g.com.enemy_attacker_x_before(5, 7), 1);
  EXPECT_EQ(pinned_attacker_bonus(c, -1, 2, 4, 7), points(KIN));
}

TEST(EvaluationTenths, APawnPushCostsATenth) {
  ComGame c({{3, 3, +HU}, {9, 9, -OU}, {1, 1, +OU}});
  Candidate best;
  bool found = false;
  const SearchTrace t = testing::trace_candidate(c.g, 3, 3, 3, 4, best, found);
  ASSERT_EQ(t.evaluations.size(), 1u);
  EXPECT_EQ(amount_of(t.evaluations[0].terms, Term::PawnMove), -1);
  Tenths sum = 0;
  for (const TraceTerm& term : t.evaluations[0].terms)
    if (std::string(term_name(term.term)).rfind("danger:", 0) != 0) sum += term.amount;
  EXPECT_EQ(sum, t.evaluations[0].score);  // the trace adds up to the score
}

}  // namespace
}  // namespace velmora
