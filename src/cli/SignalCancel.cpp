#include "cli/SignalCancel.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace vl::cli {
namespace {

constexpr char kFinished = 'F';

}  // namespace

SignalCancel::SignalCancel(CancelGate& gate) : gate_(gate) {
  if (signals_.Active()) watcher_ = std::thread([this] { Watch(); });
}

SignalCancel::~SignalCancel() {
  if (!watcher_.joinable()) return;
  signals_.Post(kFinished);
  watcher_.join();
}

void SignalCancel::Watch() {
  pollfd watch{signals_.ReadEnd(), POLLIN, 0};
  for (;;) {
    char byte = 0;
    const ssize_t got = ::read(watch.fd, &byte, 1);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
      ::poll(&watch, 1, -1);
      continue;
    }
    if (got != 1 || byte == kFinished) return;
    if (!signalled_) gate_.Stop();
    signalled_ = true;
  }
}

}  // namespace vl::cli
