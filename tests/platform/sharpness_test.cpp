// What the window shows at 1x and at 2x device scale: outlines that stay,
// pictures from the rendering of the scale, counts that read as one digit and
// a margin in the background's colours.
#include <QTest>

#include "platform/look.h"
#include "platform/pictures.h"
#include "view/board_view.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class SharpnessTest : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  DisplayScale display() const override { return DisplayScale{1.0, GetParam()}; }
  int scale() const { return GetParam(); }
  // Backing-image pixel of a twip coordinate.
  int at(double twips) const { return static_cast<int>(std::lround(twips / 15 * scale())); }
  int cell_x(double x) const { return at(BOARD_LEFT + SQUARE_WIDTH * x); }
  int cell_y(double y) const { return at(BOARD_TOP + SQUARE_HEIGHT * y); }
  QColor image_colour(int x, int y) const { return window->canvas().image().pixelColor(x, y); }
};

QColor mean_colour(const QImage& image) {
  double r = 0, g = 0, b = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      r += c.red(), g += c.green(), b += c.blue();
    }
  const double n = image.width() * image.height();
  return QColor(std::lround(r / n), std::lround(g / n), std::lround(b / n));
}

// After a move of the upper side (its text clears the cells left of board
// column 1 on row 8) and a redraw of both hands with every hand slot shown,
// the outlines on each side of column 1 and of the hand slots are still there.
TEST_P(SharpnessTest, OutlinesStayBesideRepaintedCells) {
  choose(MenuItem::RENGA);
  choose(MenuItem::CHESS_MOCHIKOMA);
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7), click_cell(2, 6);
  click_cell(3, 2), click_cell(3, 3);
  ASSERT_EQ(game->move_number, 2);
  window->dispatch([](Game& g) {
    描画_自持盤(g);
    描画_敵持盤(g);
  });
  const QColor frame = palette_colour(COLOUR_GREEN);
  const struct { int x, y; } cells[] = {{1, 8}, {1, 3}, {15, 5}, {-1, 3}};
  for (const auto& c : cells) {
    const int middle = cell_y(c.y + 0.5);
    for (int line = 0; line < scale(); ++line) {
      EXPECT_EQ(image_colour(cell_x(c.x) + line, middle), frame) << "left of cell " << c.x << "," << c.y;
      EXPECT_EQ(image_colour(cell_x(c.x + 1) + line, middle), frame) << "right of cell " << c.x << "," << c.y;
    }
    EXPECT_NE(image_colour(cell_x(c.x) + scale(), middle), frame) << "the frame is " << scale() << " pixels wide";
  }
}

// A piece is pasted pixel for pixel from the rendering made for the scale, not
// enlarged from a coarser one.
TEST_P(SharpnessTest, PiecesComeFromTheRenderingOfTheScale) {
  const QImage shown =
      window->canvas().image().copy(cell_x(5) + scale(), cell_y(9) + scale(), 30 * scale(), 38 * scale());
  const QString name = picture_resource_name(game->board.at(5, 9), 1);
  QImage rendering = named_picture(name, scale());
  rendering.setDevicePixelRatio(1);
  EXPECT_EQ(differing_pixels(shown, rendering.copy(scale(), scale(), 30 * scale(), 38 * scale())), 0);
  if (scale() > 1) {
    const QImage enlarged =
        named_picture(name).scaled(33 * scale(), 41 * scale(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(differing_pixels(shown, enlarged.copy(scale(), scale(), 30 * scale(), 38 * scale())), 100);
  }
}

// On plain green, every row through the stem of a count "1" runs from its
// light red stroke through the black shadow without a green gap between them.
TEST_P(SharpnessTest, AHandCountReadsAsOneDigit) {
  choose(MenuItem::MIDORI);
  choose(MenuItem::CHESS_MOCHIKOMA);
  window->dispatch([](Game& g) {
    g.hand_enemy[1] = 1;  // the slot at (-1, 5), its count in cell (0, 5)
    描画_敵持盤(g);
  });
  struct Row {
    int y, first_red, last_black;
  };
  std::vector<Row> rows;
  for (int y = cell_y(5); y < cell_y(6); ++y) {
    Row row{y, -1, -1};
    for (int x = cell_x(0); x < cell_x(1); ++x) {
      const QColor c = image_colour(x, y);
      if (row.first_red < 0 && c.red() > 150 && c.green() < 90) row.first_red = x;
      if (c.red() < 50 && c.green() < 50 && c.blue() < 50) row.last_black = x;
    }
    if (row.first_red >= 0) rows.push_back(row);
  }
  ASSERT_GT(rows.size(), 10u * scale());
  for (std::size_t i = rows.size() * 2 / 5; i < rows.size() * 9 / 10; ++i) {  // below the flag of the "1"
    const Row& row = rows[i];
    ASSERT_GT(row.last_black, row.first_red) << "the shadow lies right of the stroke";
    for (int x = row.first_red; x <= row.last_black; ++x) {
      const QColor c = image_colour(x, row.y);
      const bool greenish = c.green() >= 32 && c.green() > c.red() + 24;
      EXPECT_FALSE(greenish) << "green between the digit and its shadow at " << x << "," << row.y;
    }
  }
}

// A window wider than the drawing shows the background around it, not the
// plain window colour.
TEST_P(SharpnessTest, TheMarginShowsTheBackground) {
  choose(MenuItem::RENGA);
  window->resize(window->width() + 300, window->height());
  QTest::qWait(50);
  const QImage shown = window->canvas().grab().toImage();
  const int margin = static_cast<int>(window->canvas().drawing_rect().left());
  ASSERT_GE(margin, 33);
  // A whole period of the tiling has the tile's mean colour wherever it starts.
  const QColor tile = mean_colour(named_picture("HAIKEI_RENGA").copy(0, 0, 33, 41));
  const QColor seen = mean_colour(shown.copy(margin - 33, 200, 33, 41));
  EXPECT_NEAR(seen.red(), tile.red(), 3);
  EXPECT_NEAR(seen.green(), tile.green(), 3);
  EXPECT_NEAR(seen.blue(), tile.blue(), 3);
}

INSTANTIATE_TEST_SUITE_P(DeviceScales, SharpnessTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace velmora::platform::testing
