#pragma once
// Ctrl-C, SIGTERM and SIGHUP (the terminal or session closed) during a device
// transfer: the first one stops the transfer at its next block through the cancel
// gate, so a download ends by clearing the device as a cancel does; later ones are
// swallowed, so the clearing is never abandoned half way. Outside its lifetime the
// signals act as before.

#include <atomic>
#include <thread>

#include "core/device/CancelGate.h"
#include "platform/SignalPipe.h"

namespace vl::cli {

class SignalCancel {
 public:
  // One at a time: the signal handlers are the process's.
  explicit SignalCancel(CancelGate& gate);
  ~SignalCancel();
  // A signal came while it lived.
  bool Signalled() const { return signalled_; }
  SignalCancel(const SignalCancel&) = delete;
  SignalCancel& operator=(const SignalCancel&) = delete;

 private:
  void Watch();

  CancelGate& gate_;
  SignalPipe signals_;
  std::atomic<bool> signalled_ = false;
  std::thread watcher_;
};

}  // namespace vl::cli
