#include "platform/qt_clock.h"

#include <QEventLoop>
#include <QTime>
#include <QTimer>
#include <cmath>

#include "platform/main_window.h"

namespace velmora::platform {

void wait_painted(double seconds) {
  if (!(seconds > 0)) return;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(std::lround(seconds * 1000)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool QtClock::run_aside(const Work& work) { return window_.run_aside(work); }

double QtClock::time_of_day() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

}  // namespace velmora::platform
