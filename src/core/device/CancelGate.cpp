#include "core/device/CancelGate.h"

namespace vl {

bool CancelGate::Pass() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !held_ || stopped_; });
  return !stopped_;
}

void CancelGate::Hold() {
  std::lock_guard lock(mutex_);
  held_ = true;
}

void CancelGate::Resume() {
  {
    std::lock_guard lock(mutex_);
    held_ = false;
  }
  changed_.notify_all();
}

void CancelGate::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    held_ = false;
  }
  changed_.notify_all();
}

}  // namespace vl
