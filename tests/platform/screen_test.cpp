// Painting through the Screen port: outlines, texts and the window's place.
#include <QFontMetrics>
#include <QTest>

#include "platform/look.h"
#include "view/twips.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using ScreenTest = WindowTest;

int pixels_of_colour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  return count;
}

TEST_F(ScreenTest, AnOutlineLiesOnTheCellEdgesAndLeavesThePictureInside) {
  const QImage inside_before = cell_inside(4, 5);
  Screen& screen = game->ports.screen;
  const double left = BOARD_LEFT + 4 * SQUARE_WIDTH, top = BOARD_TOP + 5 * SQUARE_HEIGHT;
  screen.outline(PaletteColour::LightRed, left, top, left + SQUARE_WIDTH, top + SQUARE_HEIGHT);

  const QImage& image = window->canvas().image();
  const int x0 = pixel(left), y0 = pixel(top);
  const QColor light_red(255, 0, 0);
  EXPECT_EQ(image.pixelColor(x0, y0), light_red);
  EXPECT_EQ(image.pixelColor(x0 + 33, y0 + 41), light_red) << "right and bottom lines on the next cell's edge";
  EXPECT_EQ(image.pixelColor(x0 + 16, y0 + 41), light_red);
  EXPECT_EQ(image.pixelColor(x0 + 33, y0 + 20), light_red);
  EXPECT_EQ(differing_pixels(cell_inside(4, 5), inside_before), 0);
}

TEST_F(ScreenTest, JapaneseTextsHaveEveryGlyph) {
  const QFontMetrics metrics(QFont(japanese_font_family(), 12));
  for (const QString& text : {QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), QStringLiteral("ﾃﾞﾊﾞｲｽが準備できていません"),
                              QStringLiteral("一二三四五六七八九手目"), QStringLiteral("ｵﾌﾟｼｮﾝﾁｪｽ側持駒OK"),
                              QStringLiteral("先手の番です"), QStringLiteral("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません")}) {
    for (const uint code : text.toUcs4()) EXPECT_TRUE(metrics.inFontUcs4(code)) << text.toStdString();
  }
}

TEST_F(ScreenTest, TextIsPrintedInItsPaletteColourAndSizeFromItsTopLeft) {
  const QRect place(1500 / 15, 7500 / 15, 200, 24);
  const int before = pixels_of_colour(window->canvas().image().copy(place), QColor(255, 255, 0));
  game->ports.screen.print_text("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", 1500, 7500, 12, PaletteColour::Yellow, true);
  const QImage printed = window->canvas().image().copy(place);
  EXPECT_GT(pixels_of_colour(printed, QColor(255, 255, 0)), before + 50);

  // A 12-point line is 240 twips (16 pixels) high: nothing lands below it.
  const QImage below = window->canvas().image().copy(place.left(), place.top() + 18, place.width(), 6);
  EXPECT_EQ(pixels_of_colour(below, QColor(255, 255, 0)), 0);
}

// 48 points are 64 pixels, large enough for Qt to draw the glyphs as outlines.
TEST_F(ScreenTest, BoldTextStaysBoldAtLargeSizes) {
  const QRect regular(1500 / 15, 1500 / 15, 200, 90), bold(1500 / 15, 3000 / 15, 200, 90);
  const QColor yellow(255, 255, 0);
  ASSERT_EQ(pixels_of_colour(window->canvas().image().copy(regular), yellow), 0);
  game->ports.screen.print_text("1一", 1500, 1500, 48, PaletteColour::Yellow, false);
  game->ports.screen.print_text("1一", 1500, 3000, 48, PaletteColour::Yellow, true);
  const int regular_ink = pixels_of_colour(window->canvas().image().copy(regular), yellow);
  EXPECT_GT(pixels_of_colour(window->canvas().image().copy(bold), yellow), regular_ink * 6 / 5);
}

TEST_F(ScreenTest, TheWindowIsPlacedAndSizedInTwips) {
  EXPECT_EQ(window->windowTitle(), "Velmora");
  EXPECT_EQ(window->size(), QSize(pixel(11600), pixel(8500)));
  EXPECT_DOUBLE_EQ(window->canvas().widget_scale(), 1.0) << "the drawing shown pixel for pixel";

  Screen& screen = game->ports.screen;
  screen.set_window_rect(TwipRect{1500, 3000, 11600, 8500});
  const TwipRect rect = screen.window_rect();
  EXPECT_EQ(window->pos(), QPoint(100, 200));
  EXPECT_EQ(window->size(), QSize(pixel(11600), pixel(8500)));
  // Read back to the nearest pixel.
  EXPECT_EQ(rect.left, 1500);
  EXPECT_EQ(rect.top, 3000);
  EXPECT_NEAR(rect.width, 11600, 7.5);
  EXPECT_NEAR(rect.height, 8500, 7.5);
}

TEST_F(ScreenTest, AWindowLandingAboveItsPlaceIsMovedBack) {
  game->ports.screen.set_window_rect(TwipRect{1500, 3000, 11600, 8500});
  const QPoint place = window->frameGeometry().topLeft();
  // As a window manager that framed the window only after taking the place for
  // that of its contents: the title bar above the place.
  window->move(place - QPoint(0, 20));
  for (int waited = 0; waited < 1000 && window->frameGeometry().topLeft() != place; waited += 20) QTest::qWait(20);
  EXPECT_EQ(window->frameGeometry().topLeft(), place);
}

// A drawing is kept as strokes while it can: a place painted over and over
// is held once, and only texts printed over and over where nothing clears
// them make it an image at last.
TEST(DrawingTest, HiddenStrokesAreForgottenAndEndlessOnesMakeAnImage) {
  Drawing drawing(1.0);
  for (int i = 0; i < 5000; ++i) drawing.paste_picture(PICTURE_TITLE, 0, 600 + i % 2 * 15, 600);
  EXPECT_FALSE(drawing.keeps_image());
  for (int i = 0; i < 5000; ++i) drawing.print_text("9", 600, 600, 12, PaletteColour::Yellow, false);
  EXPECT_TRUE(drawing.keeps_image());
}

}  // namespace
}  // namespace velmora::platform::testing
