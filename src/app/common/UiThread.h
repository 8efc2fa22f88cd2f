#pragma once
// Calls from a device worker into the user interface. A call runs on the thread
// that owns this object and the worker waits for it, so what the worker reports
// is on screen when the protocol step happens. Closing releases every worker
// still waiting for a call that has not begun: a worker is never left blocked on
// a user interface that is going away, and a call that began always ends before
// its worker goes on. Calls and their answers pass under the object's own mutex
// (the queued call that wakes the user-interface thread carries no data), so a
// race detector sees every hand-over.

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace vl {

class UiThreadCalls final : public QObject {
  Q_OBJECT

 public:
  UiThreadCalls() = default;
  ~UiThreadCalls() override;

  // Runs call on this object's thread: at once when already there, otherwise
  // queued and waited for. False when the calls were closed before it began (the
  // call is then never run).
  bool Run(const std::function<void()>& call);

  // Refuses new calls and releases the waiting ones; Open takes calls again.
  void Close();
  void Open();
  // True while a worker's call is running on the user-interface thread.
  bool InCall() const;

 private:
  struct Pending {
    const std::function<void()>* call = nullptr;
    bool started = false;
    bool finished = false;
  };
  // Runs the queued calls (the user-interface thread).
  Q_INVOKABLE void RunQueued();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Pending>> queue_;
  bool closed_ = false;
  int running_ = 0;
};

}  // namespace vl
