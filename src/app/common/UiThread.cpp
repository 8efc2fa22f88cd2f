#include "app/common/UiThread.h"

#include <QMetaObject>
#include <QThread>

namespace vl {

UiThreadCalls::~UiThreadCalls() { Close(); }

void UiThreadCalls::Enqueue(std::shared_ptr<Pending> pending) {
  queue_.push_back(std::move(pending));
  QMetaObject::invokeMethod(this, "RunQueued", Qt::QueuedConnection);
}

bool UiThreadCalls::Run(const std::function<void()>& call) {
  if (QThread::currentThread() == thread()) {
    call();
    return true;
  }
  auto pending = std::make_shared<Pending>();
  pending->waited = &call;
  std::unique_lock lock(mutex_);
  if (closed_) return false;
  Enqueue(pending);
  changed_.wait(lock, [&] { return pending->finished || (closed_ && !pending->started); });
  return pending->finished;
}

void UiThreadCalls::Post(std::function<void()> call) {
  if (QThread::currentThread() == thread()) {
    call();
    return;
  }
  auto pending = std::make_shared<Pending>();
  pending->posted = std::move(call);
  const std::lock_guard lock(mutex_);
  if (!closed_) Enqueue(std::move(pending));
}

void UiThreadCalls::RunQueued() {
  for (;;) {
    std::shared_ptr<Pending> pending;
    {
      const std::lock_guard lock(mutex_);
      if (queue_.empty() || deferred_) return;
      pending = queue_.front();
      queue_.pop_front();
      if (closed_) continue;
      pending->started = true;
      if (pending->waited) ++running_;
    }
    if (!pending->waited) {
      pending->posted();
      continue;
    }
    (*pending->waited)();
    {
      const std::lock_guard lock(mutex_);
      pending->finished = true;
      --running_;
    }
    changed_.notify_all();
    emit CallEnded();
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

void UiThreadCalls::Defer(bool deferred) {
  {
    const std::lock_guard lock(mutex_);
    deferred_ = deferred;
    if (deferred || queue_.empty()) return;
  }
  QMetaObject::invokeMethod(this, "RunQueued", Qt::QueuedConnection);
}

bool UiThreadCalls::InCall() const {
  const std::lock_guard lock(mutex_);
  return running_ > 0;
}

}  // namespace vl
