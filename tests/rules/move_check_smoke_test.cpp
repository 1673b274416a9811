#include <gtest/gtest.h>

#include "fakes/fake_ports.h"
#include "rules/move_check.h"

namespace velmora {
namespace {

TEST(MoveCheckSmoke, PawnStepsForwardOnly) {
  testing::TestGame t;
  t.game.board(5, 7) = -HU;
  EXPECT_EQ(移動チェック(t.game, 5, 7, 5, 6, -HU), 1);
  EXPECT_EQ(移動チェック(t.game, 5, 7, 5, 8, -HU), 0);
}

}  // namespace
}  // namespace velmora
