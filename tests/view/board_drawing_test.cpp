#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fake_ports.h"
#include "view/board_view.h"
#include "view/pictures.h"
#include "view/twips.h"

namespace velmora {
namespace {

using testing::DrawOp;
using testing::TestGame;

void set_shades(Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) g.view.square_shade(x, y) = (x + y) % 2 == 0 ? 1 : 0;
}

TEST(PieceDrawing, BoardSquaresTakeTheirShadeHandSlotsAlwaysTheFirst) {
  TestGame t;
  set_shades(t.game);
  描画_絵(t.game, -HU, 1, 1);
  描画_絵(t.game, -HU, 1, 2);
  描画_絵(t.game, -HU, 15, 3);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(1, 1)->shade, 1);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(1, 2)->shade, 0);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(15, 3)->shade, 0);
}

TEST(PieceDrawing, CodesOutsideThePiecesDrawNothing) {
  TestGame t;
  描画_絵(t.game, 28, 1, 1);
  描画_絵(t.game, -40, 1, 1);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
}

TEST(PieceDrawing, TitleSitsAboveTheRightMargin) {
  TestGame t;
  描画_絵(t.game, PICTURE_TITLE, 10.1, -1);
  const DrawOp op = t.fakes.screen.ops.back();
  EXPECT_EQ(op.picture, PICTURE_TITLE);
  EXPECT_NEAR(op.left, 7699.5, 1e-9);
  EXPECT_NEAR(op.top, 85, 1e-9);
}

TEST(PieceDrawing, PictureNamesFollowSideAndArmy) {
  EXPECT_EQ(picture_array_name(EMPTY), "KARA_MASU");
  EXPECT_EQ(picture_array_name(-HU), "SITA_HU");
  EXPECT_EQ(picture_array_name(+SYA_N), "UE_SYA_N");
  EXPECT_EQ(picture_array_name(-SYOU), "SITA_SI");
  EXPECT_EQ(picture_array_name(+SYOU), "UE_SYOU");
  EXPECT_EQ(picture_array_name(-QEEN), "W_QEEN");
  EXPECT_EQ(picture_array_name(+PORN), "B_PORN");
  EXPECT_EQ(picture_array_name(PICTURE_RENGA), "HAIKEI_RENGA");
  EXPECT_EQ(picture_array_name(30), "");
}

TEST(BoardDrawing, OutlineCoversExactlyOneCell) {
  TestGame t;
  描画_桝輪郭(t.game, PaletteColour::LightRed, {3, 4});
  const DrawOp op = t.fakes.screen.ops.back();
  EXPECT_EQ(op.colour, PaletteColour::LightRed);
  EXPECT_EQ(op.left, 2700 + 495 * 3);
  EXPECT_EQ(op.top, 700 + 615 * 4);
  EXPECT_EQ(op.right, 2700 + 495 * 4);
  EXPECT_EQ(op.bottom, 700 + 615 * 5);
}

TEST(BoardDrawing, BackgroundLeavesTheBoardAlone) {
  TestGame t;
  描画_背景(t.game, PICTURE_TAKE);
  EXPECT_EQ(t.fakes.screen.ops.size(), 35u * 19u - 81u);
  EXPECT_FALSE(t.fakes.screen.last_picture_at_cell(5, 5).has_value());
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-6, -3)->picture, PICTURE_TAKE);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(28, 15)->picture, PICTURE_TAKE);
}

TEST(BoardDrawing, NoBackgroundChosenPaintsTheEmptySquare) {
  TestGame t;
  描画_背景(t.game, t.game.view.current_background);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(0, 0)->picture, EMPTY);
}

TEST(HandDrawing, OwnQueenWithCountShowsPictureAndNumber) {
  TestGame t;
  t.game.pos.hand_own[5] = 2;
  描画_自持盤(t.game);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(11, 9)->picture, -QEEN);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts.back().text, "2");
  EXPECT_EQ(texts.back().colour, PaletteColour::LightRed);
  EXPECT_NEAR(texts.back().left, 2700 + 495 * 12, 1e-6);
  EXPECT_NEAR(texts.back().top, 700 + 615 * 9.2, 1e-6);
}

TEST(HandDrawing, EmptySlotShowsTheEmptySquareAndNoCount) {
  TestGame t;
  描画_自持盤(t.game);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(11, 5)->picture, EMPTY);
  EXPECT_TRUE(t.fakes.screen.texts().empty());
}

TEST(HandDrawing, MainArmyBelowShowsItsChessSlotsWhateverTheOption) {
  for (bool option : {false, true}) {
    TestGame t;
    t.game.menu.CHESS_MOCHIKOMA = option;
    t.game.pos.hand_own[1] = 1;
    描画_自持盤(t.game);
    EXPECT_EQ(t.fakes.screen.last_picture_at_cell(11, 5)->picture, -PORN);
    EXPECT_EQ(t.fakes.screen.last_picture_at_cell(15, 3).has_value(), option);
  }
}

TEST(HandDrawing, ChessArmyBelowWithoutTheOptionPaintsNothing) {
  TestGame t;
  t.game.pos.chess_sign = -1;
  描画_自持盤(t.game);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
}

TEST(HandDrawing, EnemyHandFollowsTheOptionAndTheArmyOnTop) {
  TestGame chess_on_top;
  描画_敵持盤(chess_on_top.game);
  EXPECT_TRUE(chess_on_top.fakes.screen.ops.empty());

  TestGame main_on_top;
  main_on_top.game.pos.chess_sign = -1;
  main_on_top.game.pos.hand_enemy[2] = 1;
  描画_敵持盤(main_on_top.game);
  EXPECT_EQ(main_on_top.fakes.screen.last_picture_at_cell(-1, 4)->picture, +ROOK);
  EXPECT_FALSE(main_on_top.fakes.screen.last_picture_at_cell(-5, 7).has_value());

  TestGame option_on;
  option_on.game.menu.CHESS_MOCHIKOMA = true;
  option_on.game.pos.hand_enemy[18] = 3;
  描画_敵持盤(option_on.game);
  EXPECT_EQ(option_on.fakes.screen.last_picture_at_cell(-3, 1)->picture, +HOU);
  const auto texts = option_on.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_FALSE(texts.empty());
  EXPECT_NEAR(texts.back().top, 700 + 615 * 1.3, 1e-6);
}

TEST(WindowRedraw, DrawsBoardLabelsTitleAndOnlyTheLabelsThatApply) {
  TestGame t;
  set_shades(t.game);
  t.game.pos.board(5, 9) = -OU;
  t.game.view.current_background = PICTURE_UCHU;
  画面_再描画(t.game);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(5, 9)->picture, -OU);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-6, -3)->picture, PICTURE_UCHU);
  EXPECT_EQ(t.fakes.screen.ops.back().picture, PICTURE_TITLE);
  const auto texts = t.fakes.screen.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "LEVEL"), 0);

  t.game.game_mode = MODE_COM;
  t.game.com.handicap_set = 1;
  t.game.com.handicap_grade = -10;
  t.fakes.screen.clear();
  画面_再描画(t.game);
  const auto texts2 = t.fakes.screen.texts();
  EXPECT_EQ(std::count(texts2.begin(), texts2.end(), "LEVEL"), 2);
  EXPECT_EQ(std::count(texts2.begin(), texts2.end(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), 2);
}

// A picture of the position shows both full hands with their counts, the
// labels, the board and both clocks (even with 経過時間 off), all inside its
// area, and nothing of the title, the level or a loaded record's header.
TEST(PositionPicture, ShowsTheWholePositionInsideItsArea) {
  TestGame t;
  Game& g = t.game;
  set_shades(g);
  g.pos.board(5, 9) = -OU;
  g.view.current_background = PICTURE_TATAMI;
  g.menu.CHESS_MOCHIKOMA = true;
  g.pos.hand_own[12] = 11;    // the last shogi slot (15, 9), its count in column 16
  g.pos.hand_enemy[18] = 13;  // (-3, 1), its count in column -2
  g.game_mode = MODE_COM;
  g.view.shown.header = ShownHeader{true, "名人戦", "山田", "佐藤"};
  g.clock.clock_own_total = 3725;
  draw_position_picture(g);

  const TwipRect area = POSITION_PICTURE_AREA;
  const double right = area.left + area.width, bottom = area.top + area.height;
  for (const DrawOp& op : t.fakes.screen.ops) {
    if (op.kind == DrawOp::Picture && op.picture >= PICTURE_MIDORI) continue;  // background all round
    EXPECT_NE(op.picture, PICTURE_TITLE);
    EXPECT_GE(op.left, area.left) << op.text;
    EXPECT_GE(op.top, area.top) << op.text;
    if (op.kind == DrawOp::Text) {
      EXPECT_LE(op.top + 20 * op.size, bottom) << op.text;  // a point is 20 twips
      EXPECT_LE(op.left + SQUARE_WIDTH / 2, right) << op.text;
    } else {
      EXPECT_LT(op.right, right) << op.picture;
      EXPECT_LT(op.bottom, bottom) << op.picture;
    }
  }
  const auto texts = t.fakes.screen.texts();
  for (const char* text : {"01:02:05", "00:00:00", "11", "13", "9", "九"})
    EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 2) << text << ": the text over its shadow";
  for (const char* text : {"LEVEL", "名人戦", "山田"}) EXPECT_EQ(std::count(texts.begin(), texts.end(), text), 0);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(15, 9)->picture, -HAND_KINDS[12]);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-3, 1)->picture, +HAND_KINDS[18]);
}

}  // namespace
}  // namespace velmora
