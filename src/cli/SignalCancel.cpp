#include "cli/SignalCancel.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace vl::cli {
namespace {

constexpr char kSignalled = 'S';
constexpr char kFinished = 'F';

// Written by the handler, read by the watcher; only one watcher lives at a time.
int gSignalPipe = -1;

void OnSignal(int) {
  const int saved = errno;
  const char byte = kSignalled;
  [[maybe_unused]] const ssize_t written = ::write(gSignalPipe, &byte, 1);
  errno = saved;
}

}  // namespace

SignalCancel::SignalCancel(CancelGate& gate) : gate_(gate) {
  if (::pipe2(pipe_, O_CLOEXEC) != 0) return;  // no pipe: the signals keep their old meaning
  gSignalPipe = pipe_[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &previousInt_);
  ::sigaction(SIGTERM, &action, &previousTerm_);
  ::sigaction(SIGHUP, &action, &previousHup_);
  watcher_ = std::thread([this] { Watch(); });
}

SignalCancel::~SignalCancel() {
  if (pipe_[0] < 0) return;
  ::sigaction(SIGINT, &previousInt_, nullptr);
  ::sigaction(SIGTERM, &previousTerm_, nullptr);
  ::sigaction(SIGHUP, &previousHup_, nullptr);
  const char byte = kFinished;
  [[maybe_unused]] const ssize_t written = ::write(pipe_[1], &byte, 1);
  watcher_.join();
  gSignalPipe = -1;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void SignalCancel::Watch() {
  bool stopped = false;
  for (;;) {
    char byte = 0;
    const ssize_t got = ::read(pipe_[0], &byte, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got != 1 || byte == kFinished) return;
    if (!stopped) gate_.Stop();
    stopped = true;
    signalled_ = true;
  }
}

}  // namespace vl::cli
