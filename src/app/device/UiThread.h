#pragma once
// Calls from a device worker into the user interface. A call runs on the thread
// that owns the context object and the worker waits for it, so what the worker
// reports is on screen when the protocol step happens. Closing releases every
// worker still waiting for a call that has not begun: a worker is never left
// blocked on a user interface that is going away, and a call that began always
// ends before its worker goes on.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

namespace vl {

class UiThreadCalls {
 public:
  explicit UiThreadCalls(QObject* context) : context_(context) {}

  // Runs call on the context's thread: at once when already there, otherwise
  // queued and waited for. False when the calls were closed before it began (the
  // call is then never run).
  bool Run(const std::function<void()>& call);

  // Refuses new calls and releases the waiting ones; Open takes calls again.
  void Close();
  void Open();
  // True while a worker's call is running on the user-interface thread.
  bool InCall() const;

 private:
  struct Pending;

  QObject* context_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool closed_ = false;
  int running_ = 0;
};

}  // namespace vl
