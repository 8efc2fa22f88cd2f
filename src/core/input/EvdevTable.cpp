#include "core/input/EvdevTable.h"

#include <array>

#include "core/text/ScanCode.h"

namespace vl {
namespace {

// evdev codes 1..88 carry the set-1 code of the key.
constexpr int kLastDirectCode = 88;
constexpr int kEvdevPause = 119;

struct ExtendedKey {
  int Evdev;
  uint8_t Set1;
};

constexpr std::array<ExtendedKey, 18> kExtendedKeys = {{
    {96, 0x1C},   // keypad Enter
    {97, 0x1D},   // right Control
    {98, 0x35},   // keypad /
    {99, 0x37},   // Print Screen
    {100, 0x38},  // right Alt
    {102, 0x47},  // Home
    {103, 0x48},  // Up
    {104, 0x49},  // Page Up
    {105, 0x4B},  // Left
    {106, 0x4D},  // Right
    {107, 0x4F},  // End
    {108, 0x50},  // Down
    {109, 0x51},  // Page Down
    {110, 0x52},  // Insert
    {111, 0x53},  // Delete
    {125, 0x5B},  // left Windows
    {126, 0x5C},  // right Windows
    {127, 0x5D},  // menu
}};

constexpr uint8_t kSet1Release = 0x80;

}  // namespace

std::vector<uint8_t> EvdevToSet1(int evdevCode, bool pressed) {
  const uint8_t releaseBit = pressed ? 0 : kSet1Release;
  if (evdevCode >= 1 && evdevCode <= kLastDirectCode) {
    return {static_cast<uint8_t>(evdevCode | releaseBit)};
  }
  if (evdevCode == kEvdevPause) {
    if (!pressed) return {};
    return {kScanPausePrefix, 0x1D, 0x45, kScanPausePrefix, 0x9D, 0xC5};
  }
  for (const auto& key : kExtendedKeys) {
    if (key.Evdev == evdevCode) return {kScanExtended, static_cast<uint8_t>(key.Set1 | releaseBit)};
  }
  return {};
}

}  // namespace vl
