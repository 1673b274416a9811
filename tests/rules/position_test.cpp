// The Position value: what a move reports, copies that stand alone, and the
// trial squares that put the board back.
#include "rules/position.h"

#include <gtest/gtest.h>

#include "rules/candidate.h"
#include "rules/moves.h"
#include "rules/trial_move.h"

namespace velmora {
namespace {

struct ReportCase {
  const char* what;
  int piece, fx, fy, tx, ty, code;
  int other_x, other_y, other_code;  // a second piece on the board, 0 code for none
  int captured;
  bool en_passant, promoted, castled;
  int hand_gained, hand_spent;
};

TEST(MakeMove, ReportsWhatEachKindOfMoveChanged) {
  const ReportCase cases[] = {
      {"a plain step", -KIN, 5, 5, 5, 4, -KIN, 0, 0, 0, EMPTY, false, false, false, 0, 0},
      {"a capture", -KIN, 5, 5, 5, 4, -KIN, 5, 4, +GIN, +GIN, false, false, false, -1, 0},
      {"a promotion", -HU, 5, 4, 5, 3, -HU_N, 0, 0, 0, EMPTY, false, true, false, 0, 0},
      {"en passant", -PORN, 4, 4, 5, 3, -PORN, 5, 4, +PORN, +PORN, true, false, false, -1, 0},
      {"castling", -KING, 4, 9, 6, 9, -KING, 8, 9, -ROOK, EMPTY, false, false, true, 0, 0},
      {"a drop", 0, 0, 0, 5, 5, -HU, 0, 0, 0, EMPTY, false, false, false, 0, -1},
  };
  for (const ReportCase& c : cases) {
    SCOPED_TRACE(c.what);
    Position pos;
    if (c.piece != 0) pos.board(c.fx, c.fy) = c.piece;
    if (c.other_code != 0) pos.board(c.other_x, c.other_y) = c.other_code;
    Cell from{c.fx, c.fy};
    if (c.piece == 0) {  // a drop from the own hand
      pos.hand_own[hand_index_of(c.code)] = 1;
      from = own_hand_slot(hand_index_of(c.code));
    }
    pos.refresh_two_pawn_flags();
    const MoveReport r = make_move(pos, from, {c.tx, c.ty}, c.code);
    EXPECT_TRUE(r.played);
    EXPECT_EQ(r.captured, c.captured);
    EXPECT_EQ(r.en_passant, c.en_passant);
    EXPECT_EQ(r.promoted, c.promoted);
    EXPECT_EQ(r.castled, c.castled);
    EXPECT_EQ(r.hand_gained, c.hand_gained);
    EXPECT_EQ(r.hand_spent, c.hand_spent);
    // The report names the move as every layer does: a drop by its hand index.
    const int hand = c.piece == 0 ? hand_index_of(c.code) : 0;
    const Cell square = c.piece == 0 ? Cell{} : from;
    EXPECT_EQ(r.move, Candidate(square, {c.tx, c.ty}, c.piece == 0 ? c.code : c.piece, c.code, hand));
    EXPECT_EQ(r.move.source_cell(), from);
    EXPECT_EQ(pos.board(c.tx, c.ty), c.code);
    const PositionCheck checked = pos.check();
    EXPECT_TRUE(checked) << checked.error().what;
  }
}

// A move has one form: a drop names its hand index, its slot and the names of
// velmora-com's lines (the hand column and the index) are made from it, and a
// move turned with the board keeps its hand.
TEST(CandidateForms, ADropIsItsHandIndexWhicheverWayItIsNamedOrTurned) {
  struct Row {
    Candidate move;
    Cell source, named;
  };
  const Row rows[] = {
      {{{7, 7}, {7, 6}, -HU, -HU}, {7, 7}, {7, 7}},
      {{Cell{}, {5, 5}, +KIN, +KIN, 10}, enemy_hand_slot(10), {enemy_hand_slot(10).x, 10}},
      {{Cell{}, {5, 5}, -KIN, -KIN, 10}, own_hand_slot(10), {own_hand_slot(10).x, 10}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.move.source_cell(), row.source);
    EXPECT_EQ(row.move.named_source(), row.named);
    EXPECT_EQ(named_candidate(row.named, row.move.to, row.move.starting, row.move.final_code), row.move);
    const Candidate turned = turned_move(row.move);
    EXPECT_EQ(turned.hand, row.move.hand);
    EXPECT_EQ(turned.to, (Cell{10 - row.move.to.x, 10 - row.move.to.y}));
    EXPECT_EQ(turned_move(turned), row.move);
  }
  EXPECT_EQ(turned_move(rows[0].move).from, (Cell{3, 3}));
  EXPECT_EQ(turned_move(rows[1].move).source_cell(), own_hand_slot(10));
}

TEST(MakeMove, EnPassantAndCastlingNameTheirSecondSquares) {
  Position pos;
  pos.board(4, 9) = -KING;
  pos.board(1, 9) = -ROOK;
  const MoveReport castle = make_move(pos, {4, 9}, {2, 9}, -KING);
  EXPECT_EQ(castle.rook_from.x, 1);
  EXPECT_EQ(castle.rook_to.x, 3);
  EXPECT_EQ(pos.board(3, 9), -ROOK);
  pos.board(4, 4) = -PORN;
  pos.board(3, 4) = +PORN;
  const MoveReport passing = make_move(pos, {4, 4}, {3, 3}, -PORN);
  EXPECT_EQ(passing.passed, (Cell{3, 4}));
  EXPECT_EQ(pos.board(3, 4), EMPTY);
}

TEST(MakeMove, AnUnplayableMoveReportsNothingPlayed) {
  Position pos;
  pos.board(5, 5) = -KIN;
  const Position before = pos;
  EXPECT_FALSE(make_move(pos, {5, 5}, {5, 0}, -KIN).played);
  EXPECT_FALSE(make_move(pos, {0, 5}, {5, 3}, -HU).played);
  EXPECT_EQ(pos.board, before.board);
}

TEST(PositionValue, ACopyIsIndependentOfItsOriginal) {
  Position original;
  original.board(5, 5) = -HU;
  original.refresh_two_pawn_flags();
  Position copy = original;
  make_move(copy, {5, 5}, {5, 4}, -HU);
  copy.history.slot(3).move_code = 7;
  EXPECT_EQ(original.board(5, 5), -HU);
  EXPECT_EQ(original.hu_column_own()[5], 1);
  EXPECT_EQ(original.history.slot(3).move_code, 0);
  EXPECT_NE(copy.board, original.board);
}

TEST(PositionValue, HandTotalsFollowTheHandsAndTheFlagsFollowARefresh) {
  Position pos;
  pos.board(3, 7) = -HU;
  pos.hand_enemy[6] = 2;
  pos.hand_enemy[7] = 1;
  EXPECT_EQ(pos.hand_enemy_total(), 3);
  EXPECT_EQ(pos.hand_own_total(), 0);
  ASSERT_FALSE(pos.check());
  pos.refresh_two_pawn_flags();
  EXPECT_TRUE(pos.check());
  EXPECT_EQ(pos.hu_column_own()[3], 1);
}

TEST(TrialSquares, PutsBackEverySquareItTouchedAndNoMore) {
  Board board;
  board(5, 5) = -KIN;
  board(5, 4) = +GIN;
  const Board before = board;
  {
    TrialSquares trial(board);
    trial.move(5, 5, 5, 4);
    trial.place(1, 1, +HU);  // a third square is refused
    EXPECT_EQ(board(5, 4), -KIN);
    EXPECT_EQ(board(5, 5), EMPTY);
    EXPECT_EQ(board(1, 1), EMPTY);
    board(5, 4) = -GIN;  // the trial may change its own squares again
  }
  EXPECT_EQ(board, before);
}

}  // namespace
}  // namespace velmora
