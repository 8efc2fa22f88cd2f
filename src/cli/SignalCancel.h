#pragma once
// Ctrl-C and SIGTERM during a device transfer: the first one stops the transfer at
// its next block through the cancel gate, so a download ends by clearing the
// device as a cancel does; later ones are swallowed, so the clearing is never
// abandoned half way. Outside its lifetime the signals act as before.

#include <csignal>
#include <thread>

#include "core/device/CancelGate.h"

namespace vl::cli {

class SignalCancel {
 public:
  // One at a time: the signal handlers are the process's.
  explicit SignalCancel(CancelGate& gate);
  ~SignalCancel();
  SignalCancel(const SignalCancel&) = delete;
  SignalCancel& operator=(const SignalCancel&) = delete;

 private:
  void Watch();

  CancelGate& gate_;
  int pipe_[2] = {-1, -1};
  struct sigaction previousInt_ {};
  struct sigaction previousTerm_ {};
  std::thread watcher_;
};

}  // namespace vl::cli
