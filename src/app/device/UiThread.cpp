#include "app/device/UiThread.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace vl {

struct UiThreadCalls::Pending {
  bool started = false;
  bool finished = false;
  bool abandoned = false;  // the worker went on without it
};

bool UiThreadCalls::Run(const std::function<void()>& call) {
  if (QThread::currentThread() == context_->thread()) {
    call();
    return true;
  }
  auto pending = std::make_shared<Pending>();
  {
    const std::lock_guard lock(mutex_);
    if (closed_) return false;
  }
  QMetaObject::invokeMethod(
      context_,
      [this, pending, &call] {
        {
          const std::lock_guard lock(mutex_);
          if (pending->abandoned || closed_) return;
          pending->started = true;
          ++running_;
        }
        call();
        {
          const std::lock_guard lock(mutex_);
          pending->finished = true;
          --running_;
        }
        changed_.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return pending->finished || (closed_ && !pending->started); });
  if (pending->finished) return true;
  pending->abandoned = true;
  return false;
}

void UiThreadCalls::Close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
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
