// The table of patterns: which kinds move differently for the two sides, and
// the bounds of the janggi pieces in the rows of each side.
#include "rules/piece_moves.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

TEST(PieceMoves, OnlyTheKindsThatMoveForwardTurnForTheOwnSide) {
  const std::set<int> forward = {HU, HU_N, HEISI, PORN, KYOU, KYOU_N, KEI, KEI_N, GIN, GIN_N, KIN};
  for (int kind = 1; kind <= KIND_COUNT; ++kind) {
    EXPECT_EQ(row_turn(kind, -1), forward.contains(kind) ? -1 : +1) << kind;
    EXPECT_EQ(row_turn(kind, +1), +1) << kind;
  }
}

struct BoundRow {
  Bound bound;
  int sign, fy, tx, ty;
  bool holds;
};

class Bounds : public ::testing::TestWithParam<BoundRow> {};

TEST_P(Bounds, HoldInTheRowsOfTheMover) {
  const BoundRow& r = GetParam();
  EXPECT_EQ(bound_holds(r.bound, r.sign, r.fy, r.tx, r.ty), r.holds);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Bounds,
    ::testing::Values(BoundRow{Bound::Palace, -1, 8, 4, 7, true}, BoundRow{Bound::Palace, -1, 8, 3, 7, false},
                      BoundRow{Bound::Palace, -1, 7, 5, 6, false}, BoundRow{Bound::Palace, +1, 2, 6, 3, true},
                      BoundRow{Bound::Palace, +1, 3, 6, 4, false}, BoundRow{Bound::OwnHalf, -1, 7, 3, 5, true},
                      BoundRow{Bound::OwnHalf, -1, 6, 3, 4, false}, BoundRow{Bound::OwnHalf, +1, 3, 3, 5, true},
                      BoundRow{Bound::OwnHalf, +1, 4, 3, 6, false}, BoundRow{Bound::Crossed, -1, 4, 3, 4, true},
                      BoundRow{Bound::Crossed, -1, 5, 3, 5, false}, BoundRow{Bound::Crossed, +1, 6, 3, 6, true},
                      BoundRow{Bound::Crossed, +1, 5, 3, 5, false}, BoundRow{Bound::Anywhere, +1, 9, 1, 1, true}));

}  // namespace
}  // namespace velmora
