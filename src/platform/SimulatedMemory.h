#pragma once
// Where a simulated keyboard keeps its memory between runs: keyboard-TYPE.mem in
// the application's data folder, shared by the application and vlat-cli so a
// layout written by one is read by the other.

#include <cstdint>
#include <string>

namespace vl {

// The application's name: its data folder (and window titles) follow it.
inline constexpr const char* kApplicationName = "Ostrel Velmorando AT";

// keyboard-TYPE.mem (TYPE as four hex digits) in folder.
std::string SimulatedMemoryFile(const std::string& folder, uint16_t deviceType);
// The same in the application's data folder, wherever the program asking runs.
std::string SimulatedMemoryFile(uint16_t deviceType);

}  // namespace vl
