#include "app/common/UiThread.h"

#include <QMetaObject>
#include <QThread>

namespace vl {

UiThreadCalls::~UiThreadCalls() { Close(); }

bool UiThreadCalls::Run(const std::function<void()>& call) {
  if (QThread::currentThread() == thread()) {
    call();
    return true;
  }
  auto pending = std::make_shared<Pending>();
  pending->call = &call;
  std::unique_lock lock(mutex_);
  if (closed_) return false;
  queue_.push_back(pending);
  QMetaObject::invokeMethod(this, "RunQueued", Qt::QueuedConnection);
  changed_.wait(lock, [&] { return pending->finished || (closed_ && !pending->started); });
  return pending->finished;
}

void UiThreadCalls::RunQueued() {
  for (;;) {
    std::shared_ptr<Pending> pending;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty()) return;
      pending = queue_.front();
      queue_.pop_front();
      if (closed_) continue;
      pending->started = true;
      ++running_;
    }
    (*pending->call)();
    {
      const std::lock_guard lock(mutex_);
      pending->finished = true;
      --running_;
    }
    changed_.notify_all();
  }
}

void UiThreadCalls::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    queue_.clear();
  }
  changed_.notify_all();
}

void UiThreadCalls::Open() {
  const std::lock_guard lock(mutex_);
  closed_ = false;
}

bool UiThreadCalls::InCall() const {
  const std::lock_guard lock(mutex_);
  return running_ > 0;
}

}  // namespace vl
