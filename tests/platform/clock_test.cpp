// Waits keep the window painted but hold mouse input back until they end.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <stdexcept>
#include <thread>

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

// Work aside that throws does not end the program: the exception comes back
// on the window's thread, to the event that ran the work.
TEST_F(ClockTest, WorkAsideThatThrowsThrowsAgainOnTheWindowsThread) {
  EXPECT_THROW(window->run_aside([](const std::atomic<bool>&) { throw std::runtime_error("the search failed"); }),
               std::runtime_error);
}

// Quitting the application (as at log-out) ends every event loop: the work
// aside is told to stop rather than run on unseen.
TEST_F(ClockTest, QuittingTheApplicationStopsTheWorkAside) {
  QTimer quit;
  quit.setSingleShot(true);
  QObject::connect(&quit, &QTimer::timeout, [] { QCoreApplication::exit(0); });
  quit.start(20);
  bool stopped = false;
  const bool finished = window->run_aside([&](const std::atomic<bool>& stop) {
    for (int ms = 0; ms < 10000 && !stop; ++ms) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    stopped = stop;
  });
  EXPECT_FALSE(finished);
  EXPECT_TRUE(stopped);
  // The application's event loop runs and ends once, so that the event loops
  // of the tests that follow run again.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
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
