#include "core/device/Clock.h"

#include <thread>

namespace vl {

void RealClock::Pause(Duration duration) { std::this_thread::sleep_for(duration); }

Clock::Duration RealClock::Now() const {
  return std::chrono::duration_cast<Duration>(std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace vl
