#pragma once
// Calls from a device worker into the user interface. A waited call runs on the
// thread that owns this object while the worker waits for it (a question and its
// answer); a posted call is queued and the worker goes on (a status text, a
// position), so the protocol's timing never depends on how busy the user
// interface is. Calls run in the order they were made. Closing drops every call
// that has not begun and releases the workers waiting for them: a worker is never
// left blocked on a user interface that is going away, and a call that began
// always ends before its worker goes on. Calls pass under the object's own mutex
// (the queued event that wakes the user-interface thread carries no data), so a
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
  // Queues call for this object's thread without waiting (run at once when
  // already there); dropped when the calls are closed before it began.
  void Post(std::function<void()> call);

  // Refuses new calls and drops the queued ones; Open takes calls again.
  void Close();
  void Open();
  // While deferred, queued calls wait (the user answers another question);
  // Defer(false) runs them.
  void Defer(bool deferred);
  // True while a worker's call is running on the user-interface thread.
  bool InCall() const;

 signals:
  // A worker's waited call has ended (on the user-interface thread).
  void CallEnded();

 private:
  struct Pending {
    const std::function<void()>* waited = nullptr;
    std::function<void()> posted;
    bool started = false;
    bool finished = false;
  };
  void Enqueue(std::shared_ptr<Pending> pending);
  // Runs the queued calls (the user-interface thread).
  Q_INVOKABLE void RunQueued();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Pending>> queue_;
  bool closed_ = false;
  bool deferred_ = false;
  int running_ = 0;
};

}  // namespace vl
