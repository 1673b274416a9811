#include "view/animation.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"
#include "setup/new_game.h"

namespace velmora {
namespace {

using testing::DrawOp;
using testing::TestGame;

// Squares outlined in `colour` after the last full reframe of the board.
std::vector<std::pair<int, int>> framed_in(const testing::RecordingScreen& screen, PaletteColour colour) {
  std::vector<std::pair<int, int>> squares;
  for (const DrawOp& op : screen.ops)
    if (op.kind == DrawOp::Outline && op.colour == colour)
      squares.emplace_back(static_cast<int>((op.left - 2700) / 495), static_cast<int>((op.top - 700) / 615));
  return squares;
}

TEST(MovementGuidance, FramesOnlyTheLegalSquares) {
  TestGame t;
  初期設定(t.game);
  t.game.view.guidance_on = 1;
  t.fakes.screen.clear();
  描画_移動可能桝色(t.game, {2, 7}, PaletteColour::White, -HU);
  EXPECT_EQ(framed_in(t.fakes.screen, PaletteColour::White), (std::vector<std::pair<int, int>>{{2, 6}}));
  EXPECT_EQ(framed_in(t.fakes.screen, t.game.view.frame_colour).size(), 81u);  // old frames cleared first
}

TEST(MovementGuidance, OffOnlyClearsTheFrames) {
  TestGame t;
  初期設定(t.game);
  t.game.view.guidance_on = 0;
  t.fakes.screen.clear();
  描画_移動可能桝色(t.game, {2, 7}, PaletteColour::White, -HU);
  EXPECT_TRUE(framed_in(t.fakes.screen, PaletteColour::White).empty());
  EXPECT_EQ(t.fakes.screen.ops.size(), 81u);
}

TEST(Blink, ThreeBlinksTakeAtLeastSixTenthsAndLeaveThePiece) {
  TestGame t;
  描画_駒点滅(t.game, +KNIG, {3, 1}, 3);
  EXPECT_GE(t.fakes.clock.waited, 0.6 - 1e-9);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(3, 1)->picture, +KNIG);
  EXPECT_EQ(t.fakes.screen.ops_of(DrawOp::Refresh).size(), 6u);
}

TEST(PromotionDisplay, ShowsTheDialogThenThePressedChoice) {
  TestGame t;
  t.fakes.screen.rect = TwipRect{-20, -20, 11600, 8500};
  描画_桝駒成アニメ(t.game, +QEEN);
  EXPECT_EQ(t.fakes.dialogs.calls, (std::vector<std::string>{"show_promotion_display 30 1380",
                                                             "press_promotion_display 24", "close_promotion_display"}));
  EXPECT_EQ(t.game.promotion_choice, +QEEN);
  EXPECT_NEAR(t.fakes.clock.waited, 1.8, 1e-9);
}

}  // namespace
}  // namespace velmora
