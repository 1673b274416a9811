// Every term of level 4's evaluation fires in a row of the table below at the
// amount written there, and the terms of every evaluation add up to its score.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "engine/engine_eval.h"

namespace velmora {
namespace {

struct Placed {
  int x, y, code;
};

struct TermRow {
  const char* what;
  std::vector<Placed> pieces;
  int side_to_move;
  EngineTerm term;
  int side;                // whose term it is
  int amount;              // for the side to move
  int own_hand_index = 0;  // one piece of this index in the own hand
};

PositionSetup setup_of(const TermRow& row) {
  PositionSetup s;
  for (const Placed& p : row.pieces) s.board(p.x, p.y) = p.code;
  s.side_to_move = row.side_to_move;
  if (row.own_hand_index != 0) s.hand_own[row.own_hand_index] = 1;
  return s;
}

// The amount of `term` for `side` in the trace; 0 when it did not fire.
int amount_of(const EngineTrace& trace, EngineTerm term, int side) {
  int amount = 0;
  for (const EngineTraceTerm& t : trace)
    if (t.term == term && t.side == side) amount += t.amount;
  return amount;
}

int total_of(const EngineTrace& trace) {
  int total = 0;
  for (const EngineTraceTerm& t : trace) total += t.amount;
  return total;
}

// The enemy side (+1) has the top rows as its back; the own side (-1) the
// bottom. The chess army is the enemy side and does not drop.
const TermRow ROWS[] = {
    {"a gold of the side to move", {{5, 5, +KIN}}, +1, EngineTerm::PieceValue, +1, 450},
    {"a gold of the other side", {{5, 5, -KIN}}, +1, EngineTerm::PieceValue, -1, -450},
    {"a captured rook the main army may drop", {}, -1, EngineTerm::HandPiece, -1, 736, 2},
    {"a captured pawn of the main army's own kinds", {}, -1, EngineTerm::HandPiece, -1, 0, 6},
    {"a pawn three rows forward", {{5, 4, +HU}}, +1, EngineTerm::HuAdvance, +1, 12},
    {"a soldier two rows forward", {{5, 3, +HEISI}}, +1, EngineTerm::HeisiAdvance, +1, 12},
    {"a soldier five rows forward", {{5, 6, +HEISI}}, +1, EngineTerm::HeisiSideways, +1, 20},
    {"a soldier four rows forward", {{5, 5, +HEISI}}, +1, EngineTerm::HeisiSideways, +1, 0},
    {"a chess pawn four rows forward", {{5, 5, +PORN}}, +1, EngineTerm::PornAdvance, +1, 28},
    {"a chess pawn six rows forward", {{5, 3, -PORN}}, -1, EngineTerm::PornAdvance, -1, 70},
    {"a knight on the centre", {{5, 5, +KNIG}}, +1, EngineTerm::LeaperCentre, +1, 24},
    {"a horse in the corner", {{1, 1, +UMA}}, +1, EngineTerm::LeaperCentre, +1, -24},
    {"a silver two rows forward", {{5, 3, +GIN}}, +1, EngineTerm::GoldAdvance, +1, 6},
    {"a king a row off its back row", {{5, 2, +OU}}, +1, EngineTerm::KingAdvance, +1, -20},
    {"a rook alone on the centre", {{5, 5, +ROOK}}, +1, EngineTerm::Mobility, +1, 32},
    {"a king whose square and the one before it a rook attacks",
     {{5, 9, -OU}, {5, 6, +ROOK}},
     -1,
     EngineTerm::KingDanger,
     -1,
     -108},
    {"a king walled in by its own pieces",
     {{1, 9, -OU}, {1, 8, -HU}, {2, 8, -HU}, {2, 9, -KEI}},
     -1,
     EngineTerm::KingWithoutEscape,
     -1,
     -25},
    {"an empty board", {}, -1, EngineTerm::Tempo, -1, 10},
};

TEST(StrongEvaluationTerms, EveryRowFiresItsTermAtItsAmount) {
  std::vector<bool> seen(ENGINE_TERM_COUNT);
  for (const TermRow& row : ROWS) {
    const EngineTrace trace = trace_evaluation(SearchPosition(setup_of(row)));
    EXPECT_EQ(amount_of(trace, row.term, row.side), row.amount) << row.what;
    if (row.amount != 0) seen[static_cast<int>(row.term)] = true;
  }
  for (int t = 0; t < ENGINE_TERM_COUNT; ++t)
    EXPECT_TRUE(seen[t]) << engine_term_name(static_cast<EngineTerm>(t)) << " fires in no row";
}

TEST(StrongEvaluationTerms, TheKingsTermsNameTheKingsSquare) {
  for (const TermRow& row : ROWS) {
    if (row.term != EngineTerm::KingDanger && row.term != EngineTerm::KingWithoutEscape) continue;
    const int king = square_of(row.pieces[0].x, row.pieces[0].y);
    int square = 0;
    for (const EngineTraceTerm& t : trace_evaluation(SearchPosition(setup_of(row))))
      if (t.term == row.term) square = t.square;
    EXPECT_EQ(square, king) << row.what;
  }
}

// The trace is the evaluation itself: in every row's position and after
// every move from it, its terms add up to the score.
TEST(StrongEvaluationTerms, TheTermsAddUpToTheScore) {
  for (const TermRow& row : ROWS) {
    SearchPosition p(setup_of(row));
    EXPECT_EQ(total_of(trace_evaluation(p)), evaluate_position(p)) << row.what;
    SearchMoveList moves;
    p.generate(moves);
    for (int i = 0; i < moves.size; ++i) {
      p.make(moves.moves[i]);
      EXPECT_EQ(total_of(trace_evaluation(p)), evaluate_position(p)) << row.what << ", move " << i;
      p.unmake();
    }
  }
}

}  // namespace
}  // namespace velmora
