#pragma once
// The real clock, with the sum of the pauses taken on it: what a transfer costs
// beyond its protocol's own pauses is wall time over that sum.

#include "core/device/Clock.h"

namespace vl::bench {

class CountingClock final : public Clock {
 public:
  void Pause(Duration duration) override {
    paused_ += duration;
    real_.Pause(duration);
  }
  Duration Now() const override { return real_.Now(); }
  Duration Paused() const { return paused_; }

 private:
  RealClock real_;
  Duration paused_{0};
};

}  // namespace vl::bench
