#pragma once
// The simulated keyboard's command channel, one command a line, one answer line
// each: "press X Y", "release X Y", "tap X Y" (released 50 ms later), "swipe T
// TEXT", "layer" (answers the current layer), "wait MS", "help". Answers are "ok",
// the layer, or "error: " and why. X and Y count from 0, where the application
// counts columns and rows from 1; the answers say so. tap and wait answer when their time has passed;
// the caller keeps the keyboard running meanwhile and takes no new command.

#include <optional>
#include <string>

#include "core/device/Clock.h"
#include "sim/SimulatedPort.h"

namespace vl::sim {

inline constexpr Clock::Duration kTapHold = std::chrono::milliseconds{50};

class KeyCommands {
 public:
  KeyCommands(SimulatedPort& keyboard, Clock& clock) : keyboard_(keyboard), clock_(clock) {}

  // Runs the line; its answer, or nullopt when it answers later through Poll.
  std::optional<std::string> Run(const std::string& line);
  // The answer of the command waiting for its time, once the time has come.
  std::optional<std::string> Poll();
  bool Busy() const { return due_.has_value(); }

 private:
  SimulatedPort& keyboard_;
  Clock& clock_;
  std::optional<Clock::Duration> due_;
  std::optional<std::pair<int, int>> release_;  // the tapped key, released when due
};

}  // namespace vl::sim
