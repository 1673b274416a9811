// The signals that end a desktop session: SIGTERM (log-out, shutdown) and
// SIGHUP (the terminal that started the game closes). Their handler only
// notes them; the window thread then ends the game in its own time, as
// closing the window does, so that the running match is written first.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

namespace velmora::platform {

class EndSignals : public QObject {
  Q_OBJECT

 public:
  // From now on SIGTERM and SIGHUP run `end` on the window thread. One at a
  // time: the handlers are the process's.
  explicit EndSignals(std::function<void()> end, QObject* parent = nullptr);
  // The signals end the process again, as by default.
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void take_signals();

  std::function<void()> end_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace velmora::platform
