#include "rules/move_check.h"

#include <set>
#include <utility>

#include "rules/rules_fixture.h"

namespace velmora {
namespace {

using Offsets = std::set<std::pair<int, int>>;

// Every (dx, dy) that the move check accepts from (x, y) for `code`.
Offsets reach(const Game& g, int x, int y, int code) {
  Offsets out;
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty)
      if (移動チェック(g.pos, {x, y}, {tx, ty}, code) == 1) out.insert({tx - x, ty - y});
  return out;
}

Offsets line(int dx, int dy, int length = 4) {
  Offsets out;
  for (int k = 1; k <= length; ++k) out.insert({dx * k, dy * k});
  return out;
}

Offsets join(std::initializer_list<Offsets> parts) {
  Offsets out;
  for (const Offsets& p : parts) out.insert(p.begin(), p.end());
  return out;
}

const Offsets KING_STEPS = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
const Offsets LEAPS = {{-1, -2}, {1, -2}, {-2, -1}, {2, -1}, {-2, 1}, {2, 1}, {-1, 2}, {1, 2}};
const Offsets DIAGONALS = join({line(1, 1), line(1, -1), line(-1, 1), line(-1, -1)});
const Offsets ORTHOGONALS = join({line(1, 0), line(-1, 0), line(0, 1), line(0, -1)});

// The pattern of each kind from the centre of an empty board, for a piece
// whose forward direction is f (-1 own side, +1 enemy side).
Offsets centre_pattern(int kind, int f) {
  const Offsets gold = {{-1, f}, {0, f}, {1, f}, {-1, 0}, {1, 0}, {0, -f}};
  switch (kind) {
    case HU:
    case HEISI:  // not yet across the middle
    case PORN: return {{0, f}};
    case KYOU: return line(0, f);
    case KEI: return {{-1, 2 * f}, {1, 2 * f}};
    case GIN: return {{-1, f}, {0, f}, {1, f}, {-1, -f}, {1, -f}};
    case KIN:
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N: return gold;
    case KAKU:
    case BISH: return DIAGONALS;
    case KAKU_N: return join({DIAGONALS, KING_STEPS});
    case SYA:
    case KURUMA:
    case ROOK:
    case HOU: return ORTHOGONALS;
    case SYA_N: return join({ORTHOGONALS, KING_STEPS});
    case QEEN: return join({ORTHOGONALS, DIAGONALS});
    case OU:
    case KING: return KING_STEPS;
    case KNIG:
    case UMA: return LEAPS;
    case ZOU: return {{-2, -2 * f}, {2, -2 * f}};  // only back towards its own half
    case TUKAE:
    case SYOU: return {};  // the centre lies outside every palace
    default: ADD_FAILURE() << "no pattern for kind " << kind; return {};
  }
}

class MoveCheckTest : public RulesTest {};

// --- Patterns of every kind ---------------------------------------------

TEST_F(MoveCheckTest, EveryKindOfEitherSideReachesExactlyItsPatternFromTheCentre) {
  for (int kind = 1; kind <= KIND_COUNT; ++kind) {
    for (int side : {-1, +1}) {
      SCOPED_TRACE(::testing::Message() << "code " << side * kind);
      put(5, 5, side * kind);
      EXPECT_EQ(reach(g, 5, 5, side * kind), centre_pattern(kind, side));
    }
  }
}

TEST_F(MoveCheckTest, APieceMovesByTheRulesOfItsKindWhicheverArmyOwnsIt) {
  // A captured HU dropped by the chess army still steps like a HU, and a
  // chess rook dropped by the main army still slides like a rook.
  put(5, 5, +HU);
  EXPECT_EQ(reach(g, 5, 5, +HU), (Offsets{{0, 1}}));
  put(5, 5, -ROOK);
  EXPECT_EQ(reach(g, 5, 5, -ROOK), ORTHOGONALS);
}

// --- Common refusals --------------------------------------------------------

TEST_F(MoveCheckTest, NoKindMayStayOnItsSquareOrLeaveTheBoard) {
  for (int code = -KIND_COUNT; code <= KIND_COUNT; ++code) {
    if (code == EMPTY) continue;
    SCOPED_TRACE(code);
    put(5, 5, code);
    EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 5}, code), 0);
    put(1, 5, code);
    put(9, 5, code);
    put(5, 1, code);
    put(5, 9, code);
    EXPECT_EQ(移動チェック(g.pos, {1, 5}, {0, 5}, code), 0);
    EXPECT_EQ(移動チェック(g.pos, {9, 5}, {10, 5}, code), 0);
    EXPECT_EQ(移動チェック(g.pos, {5, 1}, {5, 0}, code), 0);
    EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 10}, code), 0);
    EXPECT_EQ(移動チェック(g.pos, {5, 5}, {-40, 1000}, code), 0);
    g.pos.board.fill_squares(EMPTY);
  }
}

TEST_F(MoveCheckTest, APieceMayTakeAnOpposingPieceButNeverOneOfItsOwnSide) {
  put(5, 5, -SYA);
  put(5, 2, +GIN);
  put(2, 5, -KIN);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 2}, -SYA), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {2, 5}, -SYA), 0);
  put(5, 5, +SYA);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 2}, +SYA), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {2, 5}, +SYA), 1);
}

TEST_F(MoveCheckTest, SlidersStopAtTheFirstPieceInTheirWay) {
  put(5, 5, -KAKU);
  put(7, 3, +HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {6, 4}, -KAKU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {7, 3}, -KAKU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {8, 2}, -KAKU), 0);

  put(3, 5, -HU);  // own piece blocks a rook of the own side too
  for (int code : {-SYA, -SYA_N, -KURUMA, -ROOK, -QEEN}) {
    SCOPED_TRACE(code);
    put(5, 5, code);
    EXPECT_EQ(移動チェック(g.pos, {5, 5}, {4, 5}, code), 1);
    EXPECT_EQ(移動チェック(g.pos, {5, 5}, {2, 5}, code), 0);
  }
  put(5, 5, -KYOU);
  put(5, 3, +KIN);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 3}, -KYOU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 2}, -KYOU), 0);
}

TEST_F(MoveCheckTest, KnightsLeapOverPiecesInTheirWay) {
  for (int x = 4; x <= 6; ++x)
    for (int y = 6; y <= 8; ++y) put(x, y, +HU);
  put(5, 7, -KEI);
  EXPECT_EQ(移動チェック(g.pos, {5, 7}, {4, 5}, -KEI), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 7}, {6, 5}, -KEI), 1);
  put(5, 7, +KNIG);
  EXPECT_EQ(reach(g, 5, 7, +KNIG), LEAPS);
}

// --- Drops -------------------------------------------------------------------

TEST_F(MoveCheckTest, DropsGoOnlyOnEmptySquaresFromAnyHandColumn) {
  put(5, 5, +KIN);
  put(6, 6, -KIN);
  for (int column : {11, 13, 15}) {
    EXPECT_EQ(移動チェック(g.pos, {column, 7}, {5, 5}, -GIN), 0);
    EXPECT_EQ(移動チェック(g.pos, {column, 7}, {6, 6}, -GIN), 0);
    EXPECT_EQ(移動チェック(g.pos, {column, 7}, {4, 4}, -GIN), 1);
  }
  for (int column : {-1, -3, -5}) {
    EXPECT_EQ(移動チェック(g.pos, {column, 3}, {5, 5}, +GIN), 0);
    EXPECT_EQ(移動チェック(g.pos, {column, 3}, {6, 6}, +GIN), 0);
    EXPECT_EQ(移動チェック(g.pos, {column, 3}, {4, 4}, +GIN), 1);
  }
}

TEST_F(MoveCheckTest, ADropIgnoresTheSlotRowAndTheKindsMovement) {
  // The computer passes the hand index as the row; a HU needs no square
  // "behind" it to arrive from.
  EXPECT_EQ(移動チェック(g.pos, {15, 6}, {5, 5}, -HU), 1);
  EXPECT_EQ(移動チェック(g.pos, {15, 99}, {5, 5}, -HU), 1);
  EXPECT_EQ(移動チェック(g.pos, {-1, 10}, {3, 3}, +KAKU), 1);
}

TEST_F(MoveCheckTest, TheTwoPawnRuleCountsOnlyUnpromotedPawnsOfTheDroppingSide) {
  put(5, 7, -HU);
  put(6, 3, -HU_N);
  put(7, 3, +HU);
  調査_2歩フラグ設定(g.pos);
  EXPECT_EQ(移動チェック(g.pos, {15, 3}, {5, 5}, -HU), 0);  // own HU already in column 5
  EXPECT_EQ(移動チェック(g.pos, {15, 3}, {6, 5}, -HU), 1);  // a HU_N does not count
  EXPECT_EQ(移動チェック(g.pos, {15, 3}, {7, 5}, -HU), 1);  // the enemy's HU does not count
  EXPECT_EQ(移動チェック(g.pos, {-5, 7}, {7, 5}, +HU), 0);
  EXPECT_EQ(移動チェック(g.pos, {-5, 7}, {5, 5}, +HU), 1);
  // Other pawn kinds are not bound by it.
  EXPECT_EQ(移動チェック(g.pos, {13, 4}, {5, 5}, -HEISI), 1);
  EXPECT_EQ(移動チェック(g.pos, {11, 5}, {5, 5}, -PORN), 1);
}

// Rows (from the top) on which an own piece of `kind` may be dropped in
// column 5 and column 4; the enemy mirror image is checked alongside.
struct DropRows {
  int kind;
  std::set<int> rows_in_column_5;
  std::set<int> rows_in_column_4;
};

TEST_F(MoveCheckTest, EachDropGroupKeepsToItsRowsOnBothSides) {
  const std::set<int> all = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const std::set<int> not_first = {2, 3, 4, 5, 6, 7, 8, 9};
  const std::set<int> not_first_two = {3, 4, 5, 6, 7, 8, 9};
  const DropRows table[] = {
      {HU, not_first, not_first},
      {KYOU, not_first, not_first},
      {KEI, not_first_two, not_first_two},
      {PORN, not_first_two, not_first_two},
      {TUKAE, {8}, {7, 9}},
      {GIN, all, all},
      {KIN, all, all},
      {KAKU, all, all},
      {SYA, all, all},
      {ROOK, all, all},
      {KNIG, all, all},
      {BISH, all, all},
      {QEEN, all, all},
      {HEISI, all, all},
      {KURUMA, all, all},
      {UMA, all, all},
      {ZOU, all, all},
      {HOU, all, all},
  };
  for (const DropRows& d : table) {
    SCOPED_TRACE(::testing::Message() << "kind " << d.kind);
    const int own_column = own_hand_slot(hand_index_of(d.kind)).x;
    const int enemy_column = enemy_hand_slot(hand_index_of(d.kind)).x;
    for (int y = 1; y <= 9; ++y) {
      SCOPED_TRACE(::testing::Message() << "row " << y);
      EXPECT_EQ(移動チェック(g.pos, {own_column, 1}, {5, y}, -d.kind), d.rows_in_column_5.count(y) ? 1 : 0);
      EXPECT_EQ(移動チェック(g.pos, {own_column, 1}, {4, y}, -d.kind), d.rows_in_column_4.count(y) ? 1 : 0);
      EXPECT_EQ(移動チェック(g.pos, {enemy_column, 1}, {5, 10 - y}, +d.kind), d.rows_in_column_5.count(y) ? 1 : 0);
      EXPECT_EQ(移動チェック(g.pos, {enemy_column, 1}, {6, 10 - y}, +d.kind), d.rows_in_column_4.count(y) ? 1 : 0);
    }
  }
}

TEST_F(MoveCheckTest, AGuardIsDroppedOnlyOnTheFivePalacePoints) {
  std::set<std::pair<int, int>> own, enemy;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (移動チェック(g.pos, {13, 8}, {x, y}, -TUKAE)) own.insert({x, y});
      if (移動チェック(g.pos, {-3, 2}, {x, y}, +TUKAE)) enemy.insert({x, y});
    }
  EXPECT_EQ(own, (std::set<std::pair<int, int>>{{4, 7}, {6, 7}, {5, 8}, {4, 9}, {6, 9}}));
  EXPECT_EQ(enemy, (std::set<std::pair<int, int>>{{4, 1}, {6, 1}, {5, 2}, {4, 3}, {6, 3}}));
}

// --- Janggi pieces ---------------------------------------------------------

TEST_F(MoveCheckTest, TheCannonSlidesToEmptySquaresAndCapturesOverExactlyOneScreen) {
  put(5, 9, -HOU);
  put(5, 7, +HU);  // screen of the other side
  put(5, 4, +KIN);
  EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 8}, -HOU), 1);  // slide to an empty square
  EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 7}, -HOU), 0);  // no screen before the HU
  EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 6}, -HOU), 0);  // no jump onto an empty square
  EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 4}, -HOU), 1);  // capture over one screen
  put(5, 5, -HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 9}, {5, 4}, -HOU), 0);  // two pieces between
  put(5, 5, EMPTY);

  // Along a row: a screen of its own side will do, and a cannon may jump a
  // cannon of either side.
  put(1, 5, +HOU);
  put(3, 5, +HOU);
  put(8, 5, -HU);
  EXPECT_EQ(移動チェック(g.pos, {1, 5}, {8, 5}, +HOU), 1);
  put(3, 5, -HOU);
  EXPECT_EQ(移動チェック(g.pos, {1, 5}, {8, 5}, +HOU), 1);
  put(6, 5, -KIN);
  EXPECT_EQ(移動チェック(g.pos, {1, 5}, {8, 5}, +HOU), 0);
}

TEST_F(MoveCheckTest, TheCannonNeverCapturesDiagonally) {
  put(3, 3, -HOU);
  put(4, 4, +HU);
  put(5, 5, +KIN);
  EXPECT_EQ(移動チェック(g.pos, {3, 3}, {5, 5}, -HOU), 0);
  EXPECT_EQ(移動チェック砲取(g.pos.board, 3, 3, 5, 5), 0);
}

TEST_F(MoveCheckTest, TheHorseIsBlockedByItsLeg) {
  put(5, 5, -UMA);
  put(5, 4, +HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {4, 3}, -UMA), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {6, 3}, -UMA), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {3, 4}, -UMA), 1);
  put(4, 5, -HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {3, 4}, -UMA), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {3, 6}, -UMA), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {4, 7}, -UMA), 1);  // leg (5, 6) is empty
}

TEST_F(MoveCheckTest, TheElephantStaysInItsHalfAndIsBlockedInTheMiddle) {
  put(5, 6, -ZOU);  // as if dropped on row 6
  EXPECT_EQ(移動チェック(g.pos, {5, 6}, {7, 8}, -ZOU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 6}, {3, 8}, -ZOU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 6}, {7, 4}, -ZOU), 0);
  put(5, 7, -ZOU);
  EXPECT_EQ(移動チェック(g.pos, {5, 7}, {7, 5}, -ZOU), 1);  // the middle row is allowed
  put(6, 6, +HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 7}, {7, 5}, -ZOU), 0);
  put(5, 4, +ZOU);
  EXPECT_EQ(移動チェック(g.pos, {5, 4}, {3, 2}, +ZOU), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 4}, {7, 6}, +ZOU), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 4}, {6, 5}, +ZOU), 0);  // one step is no elephant move
}

TEST_F(MoveCheckTest, TheSoldierGainsItsSidewaysStepOnCrossingTheMiddle) {
  put(5, 5, -HEISI);
  EXPECT_EQ(reach(g, 5, 5, -HEISI), (Offsets{{0, -1}}));
  put(5, 4, -HEISI);
  EXPECT_EQ(reach(g, 5, 4, -HEISI), (Offsets{{0, -1}, {-1, 0}, {1, 0}}));
  put(5, 5, +HEISI);
  EXPECT_EQ(reach(g, 5, 5, +HEISI), (Offsets{{0, 1}}));
  put(5, 6, +HEISI);
  EXPECT_EQ(reach(g, 5, 6, +HEISI), (Offsets{{0, 1}, {-1, 0}, {1, 0}}));
}

TEST_F(MoveCheckTest, GuardAndGeneralNeverLeaveTheirPalace) {
  // Where a lone piece of `code` on (x, y) may go.
  auto alone = [this](int x, int y, int code) {
    g.pos.board.fill_squares(EMPTY);
    put(x, y, code);
    return reach(g, x, y, code);
  };
  EXPECT_EQ(alone(5, 8, -TUKAE), (Offsets{{-1, -1}, {1, -1}, {-1, 1}, {1, 1}}));
  EXPECT_EQ(alone(5, 8, -SYOU), (Offsets{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}));
  EXPECT_EQ(alone(4, 7, -SYOU), (Offsets{{1, 0}, {0, 1}}));
  EXPECT_EQ(alone(6, 7, -TUKAE), (Offsets{{-1, 1}}));
  // The enemy palace is rows 1..3.
  EXPECT_EQ(alone(5, 2, +SYOU), (Offsets{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}));
  EXPECT_EQ(alone(4, 3, +TUKAE), (Offsets{{1, -1}}));
  EXPECT_EQ(alone(6, 1, +SYOU), (Offsets{{-1, 0}, {0, 1}}));
  // A guard or general of the own side in the enemy palace has no palace
  // square to go to.
  EXPECT_EQ(alone(5, 2, -TUKAE), (Offsets{}));
  EXPECT_EQ(alone(5, 2, -SYOU), (Offsets{}));
}

// --- Chess pawn --------------------------------------------------------------

TEST_F(MoveCheckTest, APawnStepsStraightOnlyOntoEmptySquaresAndTakesDiagonally) {
  put(5, 5, -PORN);
  put(5, 4, +HU);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, 4}, -PORN), 0);
  put(4, 4, +HU);
  EXPECT_EQ(reach(g, 5, 5, -PORN), (Offsets{{-1, -1}}));
  put(5, 5, +PORN);
  put(6, 6, -HU);
  EXPECT_EQ(reach(g, 5, 5, +PORN), (Offsets{{0, 1}, {1, 1}}));
}

TEST_F(MoveCheckTest, APawnOnItsStartRowMayStepTwiceOverEmptySquares) {
  put(3, 8, -PORN);
  EXPECT_EQ(reach(g, 3, 8, -PORN), (Offsets{{0, -1}, {0, -2}}));
  put(3, 6, +HU);
  EXPECT_EQ(移動チェック(g.pos, {3, 8}, {3, 6}, -PORN), 0);
  put(3, 6, EMPTY);
  put(3, 7, +HU);
  EXPECT_EQ(移動チェック(g.pos, {3, 8}, {3, 6}, -PORN), 0);

  // An enemy pawn dropped on row 2 has never moved, but any pawn on its
  // start row may step twice.
  EXPECT_EQ(移動チェック(g.pos, {-1, 5}, {7, 2}, +PORN), 1);
  put(7, 2, +PORN);
  EXPECT_EQ(移動チェック(g.pos, {7, 2}, {7, 4}, +PORN), 1);
  EXPECT_EQ(移動チェック(g.pos, {7, 3}, {7, 5}, +PORN), 0);
}

TEST_F(MoveCheckTest, EnPassantFollowsTheDoubleStepOfAnEnemyPawnAndOnlyAtOnce) {
  put(3, 4, -PORN);
  put(4, 2, +PORN);
  put(9, 9, -KIN);
  play(4, 2, 4, 4, +PORN);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 1);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {2, 3}, -PORN), 0);  // nothing passed on the other side
  play(9, 9, 9, 8, -KIN);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 0);
}

TEST_F(MoveCheckTest, EnPassantForTheEnemyAfterTheOwnDoubleStep) {
  put(3, 6, +PORN);
  put(4, 8, -PORN);
  play(4, 8, 4, 6, -PORN);
  EXPECT_EQ(移動チェック(g.pos, {3, 6}, {4, 7}, +PORN), 1);
}

TEST_F(MoveCheckTest, EnPassantNeedsTheLastMoveToBeThatPawnOnThatSquare) {
  put(3, 4, -PORN);
  put(4, 4, +PORN);
  // The last recorded move brought a different piece to (4, 4).
  g.pos.move_number = 1;
  g.pos.history.slot(1).move_to.x = 4;
  g.pos.history.slot(1).move_to.y = 4;
  g.pos.history.slot(1).move_code = +KIN;
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 0);
  // It brought a pawn, but to another square.
  g.pos.history.slot(1).move_code = +PORN;
  g.pos.history.slot(1).move_to.y = 5;
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 0);
  g.pos.history.slot(1).move_to.y = 4;
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 1);
  // The pawn beside must still be there.
  put(4, 4, EMPTY);
  EXPECT_EQ(移動チェック(g.pos, {3, 4}, {4, 3}, -PORN), 0);
  // The taking pawn must stand on its en-passant row.
  g.pos.board.fill_squares(EMPTY);
  put(3, 5, -PORN);
  put(4, 5, +PORN);
  g.pos.history.slot(1).move_to.y = 5;
  EXPECT_EQ(移動チェック(g.pos, {3, 5}, {4, 4}, -PORN), 0);
}

// --- Castling ----------------------------------------------------------------

TEST_F(MoveCheckTest, TheEnemyKingCastlesOnBothWingsFromItsStartSquare) {
  put(6, 1, +KING);
  put(9, 1, +ROOK);
  put(2, 1, +ROOK);
  EXPECT_EQ(移動チェック(g.pos, {6, 1}, {8, 1}, +KING), 1);
  EXPECT_EQ(移動チェック(g.pos, {6, 1}, {4, 1}, +KING), 1);

  for (int x : {7, 8}) {
    put(x, 1, +KNIG);
    EXPECT_EQ(移動チェック(g.pos, {6, 1}, {8, 1}, +KING), 0) << x;
    put(x, 1, EMPTY);
  }
  for (int x : {3, 4, 5}) {
    put(x, 1, -BISH);
    EXPECT_EQ(移動チェック(g.pos, {6, 1}, {4, 1}, +KING), 0) << x;
    put(x, 1, EMPTY);
  }
  put(9, 1, -ROOK);  // a rook of the other side does not castle
  put(2, 1, +QEEN);
  EXPECT_EQ(移動チェック(g.pos, {6, 1}, {8, 1}, +KING), 0);
  EXPECT_EQ(移動チェック(g.pos, {6, 1}, {4, 1}, +KING), 0);
}

TEST_F(MoveCheckTest, CastlingIgnoresHistoryAndAttacks) {
  // The king walked away and came back, and a queen attacks the squares.
  put(6, 1, +KING);
  put(9, 1, +ROOK);
  put(7, 5, -QEEN);
  play(6, 1, 6, 2, +KING);
  play(7, 5, 7, 4, -QEEN);
  play(6, 2, 6, 1, +KING);
  EXPECT_EQ(移動チェック(g.pos, {6, 1}, {8, 1}, +KING), 1);
}

TEST_F(MoveCheckTest, AfterAFlipTheOwnKingCastlesFromItsSquareOnTheBottomRow) {
  put(6, 1, +KING);
  put(9, 1, +ROOK);
  put(2, 1, +ROOK);
  turn_board_around();
  ASSERT_EQ(g.pos.board(4, 9), -KING);
  EXPECT_EQ(移動チェック(g.pos, {4, 9}, {2, 9}, -KING), 1);
  EXPECT_EQ(移動チェック(g.pos, {4, 9}, {6, 9}, -KING), 1);
  for (int x : {5, 6, 7}) {
    put(x, 9, +HU);
    EXPECT_EQ(移動チェック(g.pos, {4, 9}, {6, 9}, -KING), 0) << x;
    put(x, 9, EMPTY);
  }
  for (int x : {2, 3}) {
    put(x, 9, +HU);
    EXPECT_EQ(移動チェック(g.pos, {4, 9}, {2, 9}, -KING), 0) << x;
    put(x, 9, EMPTY);
  }
  // Only from the king's own square, and not in the enemy's orientation.
  put(4, 9, EMPTY);
  put(6, 9, -KING);
  put(9, 9, -ROOK);
  EXPECT_EQ(移動チェック(g.pos, {6, 9}, {8, 9}, -KING), 0);
}

// --- Safety out of range -----------------------------------------------------

TEST_F(MoveCheckTest, CodesThatAreNoPieceMoveNowhereAndStandForEmptySquares) {
  for (int bad : {28, -28, 1000, -1000}) {
    put(5, 5, bad);
    EXPECT_EQ(reach(g, 5, 5, bad), (Offsets{})) << bad;
    EXPECT_EQ(移動チェック(g.pos, {15, 3}, {5, 5}, bad), 0) << bad;
  }
  EXPECT_EQ(reach(g, 5, 5, EMPTY), (Offsets{}));
  // A stray code on the board neither blocks a slider nor counts as a screen.
  put(5, 5, 99);
  put(5, 8, -SYA);
  EXPECT_EQ(移動チェック(g.pos, {5, 8}, {5, 2}, -SYA), 1);
  EXPECT_EQ(移動チェック(g.pos, {5, 8}, {5, 5}, -SYA), 1);
  EXPECT_EQ(移動チェック(g.pos, {15, 3}, {5, 5}, -HU), 1);
  put(5, 8, -HOU);
  put(5, 2, +KIN);
  EXPECT_EQ(移動チェック(g.pos, {5, 8}, {5, 2}, -HOU), 0);
}

TEST_F(MoveCheckTest, ASourceThatIsNeitherASquareNorAHandColumnMovesNothing) {
  for (int fx : {0, 10, 12, -2, -6, 100}) EXPECT_EQ(移動チェック(g.pos, {fx, 5}, {fx == 0 ? 1 : 9, 5}, -KIN), 0) << fx;
  EXPECT_EQ(移動チェック(g.pos, {5, 0}, {5, 1}, +HU), 0);
  EXPECT_EQ(移動チェック(g.pos, {5, 10}, {5, 9}, -HU), 0);
}

TEST_F(MoveCheckTest, EndsOffTheBoardAreRefused) {
  put(1, 1, -KAKU);
  EXPECT_EQ(移動チェック(g.pos, {1, 1}, {1000000, 1000000}, -KAKU), 0);
  put(5, 5, -SYA);
  EXPECT_EQ(移動チェック(g.pos, {5, 5}, {5, -1000000}, -SYA), 0);
  EXPECT_EQ(移動チェック砲取(g.pos.board, -7, 5, 5, 5), 0);
}

TEST_F(MoveCheckTest, AnyBoardAndAnyArgumentsAreReadSafely) {
  // Stray codes everywhere, the edges included; the sanitizer build checks
  // that nothing is read outside the board, and no destination off the board
  // is ever legal.
  const int codes[] = {-30, -27, -25, -19, -13, -4, -1, 0, 1, 4, 13, 19, 25, 27, 30};
  int i = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) put(x, y, codes[(i++ * 7) % 15]);
  g.pos.move_number = 3;
  for (int fx : {-6, -5, -3, -1, 0, 1, 5, 9, 10, 11, 13, 15, 16})
    for (int fy = -1; fy <= 11; ++fy)
      for (int tx = -1; tx <= 11; ++tx)
        for (int ty = -1; ty <= 11; ++ty)
          for (int code = -29; code <= 29; ++code) {
            const int answer = 移動チェック(g.pos, {fx, fy}, {tx, ty}, code);
            if (!on_board(tx, ty)) {
              ASSERT_EQ(answer, 0);
            }
          }
}

}  // namespace
}  // namespace velmora
