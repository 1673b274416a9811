// Waits keep the window painted but hold mouse input back until they end.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "platform/qt_clock.h"
#include "window_fixture.h"

namespace velmora::platform::testing {
namespace {

using ClockTest = WindowTest;

// Painting goes on during a wait (mouse and key input is held back by the
// wait's event loop, which excludes user input events).
TEST_F(ClockTest, AWaitLastsItsTimeAndKeepsTheWindowPainted) {
  int paints = 0;
  struct PaintCounter : QObject {
    int* count;
    explicit PaintCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++*count;
      return false;
    }
  } counter(&paints);
  window->canvas().installEventFilter(&counter);
  QTimer::singleShot(50, [&] { window->canvas().update(); });

  QElapsedTimer elapsed;
  elapsed.start();
  wait_painted(0.3);
  EXPECT_GE(elapsed.elapsed(), 295);
  EXPECT_GE(paints, 1);
  window->canvas().removeEventFilter(&counter);
}

TEST_F(ClockTest, TheTimeOfDayIsInSecondsSinceMidnight) {
  QtClock clock(*window);
  const double now = clock.time_of_day();
  EXPECT_GE(now, 0.0);
  EXPECT_LT(now, 86400.0);
  EXPECT_NEAR(now, QTime::currentTime().msecsSinceStartOfDay() / 1000.0, 1.0);
}

}  // namespace
}  // namespace velmora::platform::testing
