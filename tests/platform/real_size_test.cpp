// A window enlarged one and a half times draws its backing image at its real
// size, not at a finer whole scale, and shows it pixel for pixel.
#include <QApplication>
#include <QScreen>

#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

class RealSizeTest : public WindowTest {
 protected:
  DisplayScale display() const override { return DisplayScale{1.5, 2, 1.5}; }
};

TEST_F(RealSizeTest, TheDrawingHasTheWindowsSizeAndIsShownPixelForPixel) {
  const Canvas& canvas = window->canvas();
  const QImage& image = canvas.image();
  EXPECT_EQ(image.size(), QSize(1159, 850)) << "773 x 567 pixels of 15 twips, 1.5 times";
  ASSERT_DOUBLE_EQ(canvas.widget_scale(), 1.5);

  const QPoint origin = canvas.drawing_rect().topLeft().toPoint();
  const QRect shown = QRect(origin, image.size()).intersected(canvas.rect());
  ASSERT_GT(shown.width() * shown.height(), 1000 * 700);
  const QImage screen = window->canvas().grab().toImage();
  EXPECT_EQ(differing_pixels(screen.copy(shown), image.copy(shown.translated(-origin))), 0);
}

// Shown pixel for pixel, the drawing is painted straight into the window's
// backing store: after a move the window keeps no image of its own, and the
// store holds the pixels the drawing's image has, texts and frames included.
TEST_F(RealSizeTest, TheDrawingIsPaintedInTheWindowsOwnStoreAsItsImageWouldShowIt) {
  choose(MenuItem::MATCH_MAN);
  click_cell(2, 7);
  click_cell(2, 6);
  click_cell(3, 2);
  QApplication::processEvents();
  Canvas& canvas = window->canvas();
  ASSERT_FALSE(canvas.drawing().keeps_image());

  const QImage store = window->screen()->grabWindow(window->winId()).toImage();
  const QPoint origin = canvas.mapTo(window, canvas.drawing_rect().topLeft().toPoint());
  const QRect shown = QRect(canvas.mapTo(window, QPoint(0, 0)), canvas.size()) & QRect(origin, canvas.image().size());
  ASSERT_GT(shown.width() * shown.height(), 1000 * 700);
  EXPECT_EQ(differing_pixels(store.copy(shown), canvas.image().copy(shown.translated(-origin))), 0);
}

}  // namespace
}  // namespace velmora::platform::testing
