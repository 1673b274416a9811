#include "platform/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace velmora::platform {
namespace {

constexpr int ENDING_SIGNALS[] = {SIGTERM, SIGHUP};

// The pipe from the handler to the window thread: the handler may do no more
// than write a byte.
int signal_pipe[2] = {-1, -1};

extern "C" void note_signal(int number) {
  const int saved_errno = errno;
  const char byte = static_cast<char>(number);
  [[maybe_unused]] const ssize_t written = write(signal_pipe[1], &byte, 1);
  errno = saved_errno;
}

void set_handlers(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : ENDING_SIGNALS) sigaction(number, &action, nullptr);
}

}  // namespace

EndSignals::EndSignals(std::function<void()> end, QObject* parent) : QObject(parent), end_(std::move(end)) {
  if (pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep their default
  notifier_ = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::take_signals);
  set_handlers(note_signal);
}

EndSignals::~EndSignals() {
  if (notifier_ == nullptr) return;
  set_handlers(SIG_DFL);
  close(signal_pipe[0]);
  close(signal_pipe[1]);
  signal_pipe[0] = signal_pipe[1] = -1;
}

void EndSignals::take_signals() {
  char bytes[16];
  while (read(signal_pipe[0], bytes, sizeof bytes) > 0) {
  }
  end_();
}

}  // namespace velmora::platform
