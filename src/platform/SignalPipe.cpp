#include "platform/SignalPipe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vl {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The write end of the one living pipe, for the handler.
int gWriteEnd = -1;

void OnSignal(int) {
  const int saved = errno;
  const char byte = SignalPipe::kSignalled;
  [[maybe_unused]] const ssize_t written = ::write(gWriteEnd, &byte, 1);
  errno = saved;
}

}  // namespace

SignalPipe::SignalPipe() {
  // Non-blocking both ways: a handler never waits on a full pipe, a reader drains it.
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    pipe_[0] = pipe_[1] = -1;
    return;
  }
  gWriteEnd = pipe_[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
}

SignalPipe::~SignalPipe() {
  if (!Active()) return;
  for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
  gWriteEnd = -1;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void SignalPipe::Post(char byte) const {
  if (!Active()) return;
  [[maybe_unused]] const ssize_t written = ::write(pipe_[1], &byte, 1);
}

}  // namespace vl
