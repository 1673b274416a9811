#include "rules/moves.h"

#include <numeric>

#include "rules/move_check.h"
#include "rules/rules_fixture.h"
#include "view/piece_move.h"

namespace velmora {
namespace {

using testing::DrawOp;

class MovesTest : public RulesTest {
 protected:
  // The picture last pasted on a cell, or -999 when nothing was.
  int picture_at(int x, int y) const {
    const auto op = t.fakes.screen.last_picture_at_cell(x, y);
    return op ? op->picture : -999;
  }
  int hand_sum(const Hand& h) const { return std::accumulate(h.begin() + 1, h.end(), 0); }
};

// --- Board moves and what is redrawn ------------------------------------------

TEST_F(MovesTest, ABoardMoveEmptiesTheSourceAndRedrawsBothSquares) {
  put(7, 7, -HU);
  駒移動(g, {7, 7}, {7, 6}, -HU);
  EXPECT_EQ(g.pos.board(7, 7), EMPTY);
  EXPECT_EQ(g.pos.board(7, 6), -HU);
  EXPECT_EQ(picture_at(7, 7), EMPTY);
  EXPECT_EQ(picture_at(7, 6), -HU);
  ASSERT_TRUE(t.fakes.screen.last_outline_at_cell(7, 7));
  ASSERT_TRUE(t.fakes.screen.last_outline_at_cell(7, 6));
  EXPECT_EQ(t.fakes.screen.last_outline_at_cell(7, 6)->colour, g.view.back_colour);
}

// --- Captures ---------------------------------------------------------------------

TEST_F(MovesTest, ACapturedPieceGoesToTheCapturersHandUnderItsUnpromotedKind) {
  put(5, 5, -SYA);
  put(5, 2, +KAKU_N);
  駒移動(g, {5, 5}, {5, 2}, -SYA);
  EXPECT_EQ(g.pos.hand_own[11], 1);
  EXPECT_EQ(g.pos.hand_own_total(), 1);
  EXPECT_EQ(hand_sum(g.pos.hand_enemy), 0);

  // Dropped again it is an unpromoted KAKU.
  駒移動(g, {15, 8}, {5, 5}, -KAKU);
  EXPECT_EQ(g.pos.board(5, 5), -KAKU);
  EXPECT_EQ(g.pos.hand_own[11], 0);
  EXPECT_EQ(g.pos.hand_own_total(), 0);
}

TEST_F(MovesTest, EveryCapturableKindHasItsHandEntry) {
  const struct {
    int kind;
    int entry;
  } table[] = {{PORN, 1},   {ROOK, 2},   {KNIG, 3},   {BISH, 4},    {QEEN, 5},  {HU, 6},   {HU_N, 6},   {KYOU, 7},
               {KYOU_N, 7}, {KEI, 8},    {KEI_N, 8},  {GIN, 9},     {GIN_N, 9}, {KIN, 10}, {KAKU, 11},  {KAKU_N, 11},
               {SYA, 12},   {SYA_N, 12}, {HEISI, 13}, {KURUMA, 14}, {UMA, 15},  {ZOU, 16}, {TUKAE, 17}, {HOU, 18}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.kind);
    g.pos.hand_own.fill(0);
    g.pos.hand_enemy.fill(0);
    駒取得(g.pos, +row.kind);
    駒取得(g.pos, -row.kind);
    Hand expected{};
    expected[row.entry] = 1;
    EXPECT_EQ(g.pos.hand_own, expected);
    EXPECT_EQ(g.pos.hand_enemy, expected);
  }
  EXPECT_EQ(g.pos.king_taken, 0);
}

TEST_F(MovesTest, TheEnemyCapturesIntoItsOwnHandAndAPieceChangesSidesAgainAndAgain) {
  // The own side drops a captured chess pawn and loses it again.
  g.pos.hand_own[1] = 1;
  put(4, 2, +ROOK);
  駒移動(g, {11, 5}, {4, 3}, -PORN);
  EXPECT_EQ(g.pos.hand_own[1], 0);
  EXPECT_EQ(g.pos.hand_own_total(), 0);
  駒移動(g, {4, 2}, {4, 3}, +ROOK);
  EXPECT_EQ(g.pos.hand_enemy[1], 1);
  EXPECT_EQ(g.pos.hand_enemy_total(), 1);
  EXPECT_EQ(g.pos.board(4, 3), +ROOK);
  EXPECT_EQ(g.pos.board(4, 2), EMPTY);
}

TEST_F(MovesTest, CapturingAKingEndsTheGameWithoutFillingAHand) {
  put(5, 2, -KIN);
  put(5, 1, +KING);
  駒移動(g, {5, 2}, {5, 1}, -KIN);
  EXPECT_EQ(g.pos.king_taken, g.pos.chess_sign);
  EXPECT_EQ(hand_sum(g.pos.hand_own), 0);
  EXPECT_EQ(g.pos.hand_own_total(), 0);  // the total stays equal to what the hand holds

  g.pos.king_taken = 0;
  put(5, 8, +ROOK);
  put(5, 9, -OU);
  駒移動(g, {5, 8}, {5, 9}, +ROOK);
  EXPECT_EQ(g.pos.king_taken, g.pos.main_sign());
  EXPECT_EQ(g.pos.hand_enemy_total(), 0);

  g.pos.king_taken = 0;
  駒取得(g.pos, -SYOU);
  EXPECT_EQ(g.pos.king_taken, g.pos.main_sign());
}

TEST_F(MovesTest, ACaptureRedrawsTheCapturersHand) {
  put(5, 5, -HU);
  put(5, 4, +PORN);
  t.fakes.screen.clear();
  駒移動(g, {5, 5}, {5, 4}, -HU);
  EXPECT_EQ(picture_at(11, 5), -PORN);  // the own chess slot now shows a pawn
}

// --- Drops ------------------------------------------------------------------------

TEST_F(MovesTest, ADropTakesOneFromTheSlotsHandEntry) {
  const struct {
    int fx, fy, code, entry;
  } drops[] = {{15, 3, -HU, 6},   {15, 9, -SYA, 12}, {13, 4, -HEISI, 13}, {13, 9, -HOU, 18},
               {11, 5, -PORN, 1}, {11, 9, -QEEN, 5}, {-3, 1, +HOU, 18},   {-3, 6, +HEISI, 13},
               {-5, 7, +HU, 6},   {-5, 1, +SYA, 12}, {-1, 5, +PORN, 1},   {-1, 1, +QEEN, 5}};
  for (const auto& d : drops) {
    SCOPED_TRACE(::testing::Message() << d.fx << "," << d.fy);
    g.pos.board.fill_squares(EMPTY);
    g.pos.hand_own.fill(2);
    g.pos.hand_enemy.fill(2);
    t.fakes.screen.clear();
    駒移動(g, {d.fx, d.fy}, {5, 5}, d.code);
    EXPECT_EQ(g.pos.board(5, 5), d.code);
    Hand& dropping = d.code < 0 ? g.pos.hand_own : g.pos.hand_enemy;
    const Hand& other = d.code < 0 ? g.pos.hand_enemy : g.pos.hand_own;
    EXPECT_EQ(dropping[d.entry], 1);
    EXPECT_EQ(hand_sum(dropping), 35);
    EXPECT_EQ(hand_sum(other), 36);
    EXPECT_EQ(d.code < 0 ? g.pos.hand_own_total() : g.pos.hand_enemy_total(), 35);
    EXPECT_EQ(d.code < 0 ? g.pos.hand_enemy_total() : g.pos.hand_own_total(), 36);
    EXPECT_EQ(picture_at(5, 5), d.code);
  }
}

// --- En passant and castling -----------------------------------------------------

TEST_F(MovesTest, EnPassantTakesThePawnBesideIntoTheHand) {
  put(3, 4, -PORN);
  put(4, 4, +PORN);
  駒移動(g, {3, 4}, {4, 3}, -PORN);
  EXPECT_EQ(g.pos.board(4, 3), -PORN);
  EXPECT_EQ(g.pos.board(4, 4), EMPTY);
  EXPECT_EQ(g.pos.board(3, 4), EMPTY);
  EXPECT_EQ(g.pos.hand_own[1], 1);
  EXPECT_EQ(g.pos.hand_own_total(), 1);
  EXPECT_EQ(picture_at(4, 4), EMPTY);

  put(3, 6, +PORN);
  put(4, 6, -PORN);
  駒移動(g, {3, 6}, {4, 7}, +PORN);
  EXPECT_EQ(g.pos.board(4, 6), EMPTY);
  EXPECT_EQ(g.pos.hand_enemy[1], 1);
  EXPECT_EQ(g.pos.hand_enemy_total(), 1);
}

TEST_F(MovesTest, APawnTakingOnADiagonalTakesOnlyWhatStandsThere) {
  put(3, 4, -PORN);
  put(4, 3, +KNIG);
  put(4, 4, +PORN);
  駒移動(g, {3, 4}, {4, 3}, -PORN);
  EXPECT_EQ(g.pos.board(4, 4), +PORN);
  EXPECT_EQ(g.pos.hand_own[3], 1);
  EXPECT_EQ(g.pos.hand_own[1], 0);
  // Stepping diagonally onto an empty square takes only an opposing pawn
  // beside it: not a piece of its own side, nor any other opposing kind.
  put(6, 6, +PORN);
  put(7, 6, +ROOK);
  駒移動(g, {6, 6}, {7, 7}, +PORN);
  EXPECT_EQ(g.pos.board(7, 6), +ROOK);
  put(1, 6, +PORN);
  put(2, 6, -KIN);
  駒移動(g, {1, 6}, {2, 7}, +PORN);
  EXPECT_EQ(g.pos.board(2, 6), -KIN);
  EXPECT_EQ(hand_sum(g.pos.hand_enemy), 0);
}

TEST_F(MovesTest, TheEnemyKingCastlesWithTheRookOfEitherWing) {
  put(6, 1, +KING);
  put(9, 1, +ROOK);
  put(2, 1, +ROOK);
  駒移動(g, {6, 1}, {8, 1}, +KING);
  EXPECT_EQ(g.pos.board(8, 1), +KING);
  EXPECT_EQ(g.pos.board(7, 1), +ROOK);
  EXPECT_EQ(g.pos.board(9, 1), EMPTY);
  EXPECT_EQ(g.pos.board(6, 1), EMPTY);
  EXPECT_EQ(picture_at(7, 1), +ROOK);
  EXPECT_EQ(picture_at(9, 1), EMPTY);

  put(8, 1, EMPTY);
  put(7, 1, EMPTY);
  put(6, 1, +KING);
  駒移動(g, {6, 1}, {4, 1}, +KING);
  EXPECT_EQ(g.pos.board(4, 1), +KING);
  EXPECT_EQ(g.pos.board(5, 1), +ROOK);
  EXPECT_EQ(g.pos.board(2, 1), EMPTY);
  EXPECT_EQ(picture_at(5, 1), +ROOK);
  EXPECT_EQ(picture_at(2, 1), EMPTY);
}

TEST_F(MovesTest, TheOwnKingCastlesAfterAFlipAndIsFollowed) {
  put(4, 9, -KING);
  put(8, 9, -ROOK);
  put(1, 9, -ROOK);
  駒移動(g, {4, 9}, {6, 9}, -KING);
  EXPECT_EQ(g.pos.board(5, 9), -ROOK);
  EXPECT_EQ(g.pos.board(8, 9), EMPTY);
  EXPECT_EQ(g.maps.own_king_x, 6);
  EXPECT_EQ(g.maps.own_king_y, 9);

  put(6, 9, EMPTY);
  put(5, 9, EMPTY);
  put(4, 9, -KING);
  駒移動(g, {4, 9}, {2, 9}, -KING);
  EXPECT_EQ(g.pos.board(3, 9), -ROOK);
  EXPECT_EQ(g.pos.board(1, 9), EMPTY);
  EXPECT_EQ(g.maps.own_king_x, 2);
}

TEST_F(MovesTest, OnlyTheOwnShogiOrChessKingIsFollowed) {
  put(5, 9, -OU);
  駒移動(g, {5, 9}, {4, 8}, -OU);
  EXPECT_EQ(g.maps.own_king_x, 4);
  EXPECT_EQ(g.maps.own_king_y, 8);
  put(5, 1, +OU);
  駒移動(g, {5, 1}, {5, 2}, +OU);
  put(5, 8, -SYOU);
  駒移動(g, {5, 8}, {5, 7}, -SYOU);
  EXPECT_EQ(g.maps.own_king_x, 4);
  EXPECT_EQ(g.maps.own_king_y, 8);
}

// --- Calls that cannot be played -------------------------------------------------

TEST_F(MovesTest, AMoveWithNoDestinationPieceOrSourceChangesNothing) {
  put(5, 5, -KIN);
  put(5, 4, +KIN);
  g.pos.hand_own[6] = 1;
  const Position before = g.pos;
  駒移動(g, {5, 5}, {5, 0}, -KIN);
  駒移動(g, {5, 5}, {10, 5}, -KIN);
  駒移動(g, {5, 5}, {5, 4}, 99);
  駒移動(g, {5, 5}, {5, 4}, EMPTY);
  駒移動(g, {15, 1}, {5, 3}, -HU);  // no slot (15, 1)
  駒移動(g, {0, 5}, {5, 3}, -HU);
  EXPECT_EQ(g.pos.board, before.board);
  EXPECT_EQ(g.pos.hand_own, before.hand_own);
  EXPECT_EQ(g.pos.hand_own_total(), 1);
}

TEST_F(MovesTest, AStrayCodeOnTheDestinationIsNotCaptured) {
  put(5, 5, -KIN);
  put(5, 4, 77);
  駒移動(g, {5, 5}, {5, 4}, -KIN);
  EXPECT_EQ(g.pos.board(5, 4), -KIN);
  EXPECT_EQ(hand_sum(g.pos.hand_own), 0);
  EXPECT_EQ(g.pos.hand_own_total(), 0);
  駒取得(g.pos, 77);
  駒取得(g.pos, EMPTY);
  EXPECT_EQ(g.pos.hand_own[0], 0);
  EXPECT_EQ(g.pos.hand_enemy[0], 0);
}

// --- Two-pawn flags, hand counts, move results --------------------------------------

TEST_F(MovesTest, TwoPawnFlagsCountOnlyUnpromotedPawnsPerSide) {
  put(1, 5, -HU);  // the flags of pawns that have gone are cleared
  put(2, 5, +HU);
  調査_2歩フラグ設定(g.pos);
  put(1, 5, EMPTY);
  put(2, 5, EMPTY);
  put(5, 7, -HU);
  put(6, 3, -HU_N);
  put(8, 2, +HU);
  put(3, 3, -HEISI);
  調査_2歩フラグ設定(g.pos);
  ColumnFlags own{}, enemy{};
  own[5] = 1;
  enemy[8] = 1;
  EXPECT_EQ(g.pos.hu_column_own(), own);
  EXPECT_EQ(g.pos.hu_column_enemy(), enemy);
}

TEST_F(MovesTest, HandCountsFollowTheArmySignsAndSkipNegativeEntries) {
  g.pos.hand_own[1] = 2;
  g.pos.hand_own[18] = 1;
  g.pos.hand_own[7] = -1;
  g.pos.hand_enemy[6] = 4;
  EXPECT_EQ(調査_持駒数(g.pos, g.pos.chess_sign), 3);
  EXPECT_EQ(調査_持駒数(g.pos, g.pos.main_sign()), 4);
  EXPECT_EQ(調査_持駒数(g.pos, 0), 0);
  EXPECT_EQ(調査_持駒数(g.pos, 5), 0);
  // After a flip the chess army is the own side and the sign values swap.
  g.pos.chess_sign = -1;
  EXPECT_EQ(調査_持駒数(g.pos, -1), 3);
  EXPECT_EQ(調査_持駒数(g.pos, +1), 4);
}

TEST_F(MovesTest, TheMoveResultIsTheFirstSquareWhereAPieceArrived) {
  put(5, 7, -HU);
  put(5, 3, +ROOK);
  put(6, 1, +KING);
  put(9, 1, +ROOK);
  g.pos.hand_enemy[6] = 1;
  g.pos.history.slot(0).board = g.pos.board;
  play(5, 3, 5, 7, +ROOK);  // a capture: (5, 3) emptied, (5, 7) changed
  play(-5, 7, 2, 2, +HU);   // a drop
  play(6, 1, 8, 1, +KING);  // castling: the rook's square lies in the lower column
  int x = 0, y = 0, code = 0;
  ASSERT_TRUE(調査_移動結果(g.pos, 1, x, y, code));
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 7);
  EXPECT_EQ(code, +ROOK);
  ASSERT_TRUE(調査_移動結果(g.pos, 2, x, y, code));
  EXPECT_EQ(code, +HU);
  EXPECT_EQ(x, 2);
  ASSERT_TRUE(調査_移動結果(g.pos, 3, x, y, code));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 1);
  EXPECT_EQ(code, +ROOK);
}

TEST_F(MovesTest, TheMoveResultLeavesItsOutputsWhenNothingArrived) {
  int x = -1, y = -2, code = -3;
  EXPECT_FALSE(調査_移動結果(g.pos, 0, x, y, code));
  EXPECT_FALSE(調査_移動結果(g.pos, -5, x, y, code));
  EXPECT_FALSE(調査_移動結果(g.pos, 1, x, y, code));       // both slots empty
  EXPECT_FALSE(調査_移動結果(g.pos, 100000, x, y, code));  // far beyond the list
  EXPECT_EQ(x, -1);
  EXPECT_EQ(y, -2);
  EXPECT_EQ(code, -3);
}

// --- A whole line of play ---------------------------------------------------------

TEST_F(MovesTest, PlayedMovesAgreeWithTheMoveCheckAndFillTheHands) {
  put(5, 9, -OU);
  put(5, 1, +KING);
  put(2, 8, -KAKU);
  put(8, 2, +BISH);
  put(7, 7, -HU);
  put(3, 3, +PORN);
  const struct {
    int fx, fy, tx, ty, code;
  } line[] = {
      {2, 8, 8, 2, -KAKU},    // takes the bishop
      {3, 3, 3, 4, +PORN},    //
      {11, 8, 4, 5, -BISH},   // drops it
      {5, 1, 6, 2, +KING},    //
      {4, 5, 3, 4, -BISH},    // takes the pawn
      {6, 2, 7, 2, +KING},    //
      {8, 2, 7, 3, -KAKU_N},  // leaves the far zone promoted
  };
  for (const auto& m : line) {
    SCOPED_TRACE(::testing::Message() << m.fx << "," << m.fy << " -> " << m.tx << "," << m.ty);
    const int mover = on_board(m.fx, m.fy) ? g.pos.board(m.fx, m.fy) : m.code;
    ASSERT_EQ(移動チェック(g.pos, {m.fx, m.fy}, {m.tx, m.ty}, mover), 1);
    play(m.fx, m.fy, m.tx, m.ty, m.code);
  }
  EXPECT_EQ(g.pos.board(7, 3), -KAKU_N);
  EXPECT_EQ(g.pos.board(3, 4), -BISH);
  EXPECT_EQ(g.pos.hand_own_total(), 1);
  EXPECT_EQ(g.pos.hand_own[1], 1);
}

}  // namespace
}  // namespace velmora
