// The Clock port: the time of day, and waits that keep the windows painted.
#pragma once

#include "ports/ports.h"

namespace velmora::platform {

// Returns after `seconds`. Meanwhile windows are repainted and timers run,
// but mouse and key input waits until afterwards; no busy loop.
void wait_painted(double seconds);

class MainWindow;

// The clock of a game window; long work runs aside of that window.
class QtClock final : public Clock {
 public:
  explicit QtClock(MainWindow& window) : window_(window) {}
  double time_of_day() override;
  void wait(double seconds) override { wait_painted(seconds); }
  bool run_aside(const Work& work) override;

 private:
  MainWindow& window_;
};

}  // namespace velmora::platform
