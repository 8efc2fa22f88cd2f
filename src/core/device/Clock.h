#pragma once
// Every protocol pause goes through a Clock, so a simulated exchange can run
// in virtual time while each pause is still counted.

#include <chrono>

namespace vl {

class Clock {
 public:
  using Duration = std::chrono::microseconds;
  virtual ~Clock() = default;
  virtual void Pause(Duration duration) = 0;
  // Time since an arbitrary, fixed origin.
  virtual Duration Now() const = 0;
};

// Sleeps for real.
class RealClock final : public Clock {
 public:
  void Pause(Duration duration) override;
  Duration Now() const override;
};

// Advances on Pause without sleeping; starts at 0.
class VirtualClock final : public Clock {
 public:
  void Pause(Duration duration) override { now_ += duration; }
  Duration Now() const override { return now_; }
  // Sum of all pauses taken so far.
  Duration Elapsed() const { return now_; }

 private:
  Duration now_{0};
};

}  // namespace vl
