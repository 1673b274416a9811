// A window enlarged one and a half times draws its backing image at its real
// size, not at a finer whole scale, and shows it pixel for pixel.
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

}  // namespace
}  // namespace velmora::platform::testing
