// What the window shows at 1x and at 2x device scale: outlines beside
// repainted cells, pictures of the scale, counts read as one digit and the
// background in the margin.
#include <QTest>

#include "platform/board_picture.h"
#include "platform/look.h"
#include "platform/pictures.h"
#include "view/board_view.h"
#include "view/twips.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class SharpnessTest : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  DisplayScale display() const override { return DisplayScale{1.0, scale()}; }
  int scale() const { return GetParam(); }
  int at(double twips) const { return static_cast<int>(std::lround(twips / 15 * scale())); }
  int cell_x(double x) const { return at(BOARD_LEFT + SQUARE_WIDTH * x); }
  int cell_y(double y) const { return at(BOARD_TOP + SQUARE_HEIGHT * y); }
  QColor colour(int x, int y) const { return window->canvas().image().pixelColor(x, y); }
};

QColor mean_colour(const QImage& image) {
  return image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}

// An upper side's move clears the cells left of board column 1 on row 8; with
// every hand slot shown, each count cell lies left of another slot.
TEST_P(SharpnessTest, OutlinesStayBesideRepaintedCells) {
  choose(MenuItem::RENGA);
  choose(MenuItem::CHESS_MOCHIKOMA);
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7), click_cell(2, 6), click_cell(3, 2), click_cell(3, 3);
  ASSERT_EQ(game->pos.move_number, 2);
  window->dispatch([](Game& g) { 描画_自持盤(g), 描画_敵持盤(g); });
  for (const QPoint cell : {QPoint(1, 8), QPoint(1, 3), QPoint(15, 5), QPoint(-1, 3)}) {
    const int middle = cell_y(cell.y() + 0.5);
    for (const int line : {cell_x(cell.x()), cell_x(cell.x() + 1)}) {
      EXPECT_EQ(colour(line + scale() - 1, middle), palette_colour(PaletteColour::Green))
          << cell.x() << "," << cell.y();
      EXPECT_NE(colour(line + scale(), middle), palette_colour(PaletteColour::Green)) << "as wide as the scale";
    }
  }
}

TEST_P(SharpnessTest, PiecesComeFromTheRenderingOfTheScale) {
  const QRect inside(scale(), scale(), 30 * scale(), 38 * scale());
  const QImage shown = window->canvas().image().copy(inside.translated(cell_x(5), cell_y(9)));
  const QString name = picture_resource_name(game->pos.board.at(5, 9), 1);
  EXPECT_EQ(differing_pixels(shown, named_picture(name, scale()).copy(inside)), 0);
  if (scale() == 1) return;
  const QImage enlarged =
      named_picture(name).scaled(QSize(33, 41) * scale(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(differing_pixels(shown, enlarged.copy(inside)), 100) << "not the coarser picture enlarged";
}

// The picture of the position is drawn at 2x whatever the window's scale:
// the pieces are the finer pictures, not the window's enlarged. The window's
// own drawing stays as it was.
TEST_P(SharpnessTest, BoardPictureIsDrawnAtTwoPixelsPerScreenPixel) {
  const QImage window_before = window->canvas().image();
  const QImage picture = board_picture(*game, desktop->screen());
  EXPECT_EQ(differing_pixels(window->canvas().image(), window_before), 0);
  const QRect area = board_picture_twips();
  ASSERT_EQ(picture.size(), QSize(area.width(), area.height()) * 2 / 15);

  const QRect inside(2, 2, 60, 76);
  const QPoint cell((BOARD_LEFT + SQUARE_WIDTH * 5 - area.left()) * 2 / 15,
                    (BOARD_TOP + SQUARE_HEIGHT * 9 - area.top()) * 2 / 15);
  const QString name = picture_resource_name(game->pos.board.at(5, 9), 1);
  EXPECT_EQ(differing_pixels(picture.copy(inside.translated(cell)), named_picture(name, 2).copy(inside)), 0);
  if (scale() != 2) return;
  const QRect board(at(BOARD_LEFT + SQUARE_WIDTH), at(BOARD_TOP + SQUARE_HEIGHT), at(9 * SQUARE_WIDTH),
                    at(9 * SQUARE_HEIGHT));
  EXPECT_EQ(
      differing_pixels(picture.copy(board.translated(-at(area.left()), -at(area.top()))), window_before.copy(board)), 0)
      << "the board as the window draws it at 2x";
}

// On plain green, a hand count's black shadow lies a pixel of the scale right
// of and below its light red digit: a shadow, never a second copy beside it.
TEST_P(SharpnessTest, AHandCountsShadowHugsItsDigit) {
  choose(MenuItem::MIDORI);
  choose(MenuItem::CHESS_MOCHIKOMA);
  window->dispatch([](Game& g) {
    g.pos.hand_enemy[1] = 1;  // the slot at (-1, 5), its count in cell (0, 5)
    描画_敵持盤(g);
  });
  QRect digit, shadow;
  for (int y = cell_y(5); y < cell_y(6); ++y)
    for (int x = cell_x(0) + scale(); x < cell_x(1); ++x) {
      const QColor c = colour(x, y);
      if (c.red() > 150 && c.green() < 90) digit |= QRect(x, y, 1, 1);
      if (c.value() < 100) shadow |= QRect(x, y, 1, 1);  // darker than the green
    }
  ASSERT_GT(digit.height(), 10 * scale());
  for (const int beyond : {shadow.right() - digit.right(), shadow.bottom() - digit.bottom()}) {
    EXPECT_GE(beyond, 1);
    EXPECT_LE(beyond, scale() + 1);  // antialiasing may blur its edge by a pixel
  }
}

TEST_P(SharpnessTest, TheMarginShowsTheBackground) {
  choose(MenuItem::RENGA);
  window->resize(window->width() + 300, window->height());
  QTest::qWait(50);
  const int margin = static_cast<int>(window->canvas().drawing_rect().left());
  ASSERT_GE(margin, 33);
  // Any whole period of the tiles has the tile's mean colour.
  const QColor seen = mean_colour(window->canvas().grab().toImage().copy(margin - 33, 200, 33, 41));
  const QColor tile = mean_colour(named_picture("HAIKEI_RENGA").copy(0, 0, 33, 41));
  for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
    EXPECT_NEAR((seen.*channel)(), (tile.*channel)(), 3);
}

INSTANTIATE_TEST_SUITE_P(DeviceScales, SharpnessTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace velmora::platform::testing
