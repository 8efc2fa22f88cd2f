#include "core/device/TestDisplay.h"

#include <cstdio>

#include "core/text/ScanCode.h"

namespace vl {

namespace {

// The Pause key's sequence after its first E1.
constexpr int kPauseTail = static_cast<int>(kPauseKeySequence.size()) - 1;
// The key display table has no row for Pause; it is named here so that it does
// not pass unseen.
constexpr const char* kPauseName = "Pause";

}  // namespace

void TestDisplay::Reset() {
  decoder_.Reset();
  skip_ = 0;
  extended_ = false;
  release_ = false;
  state_ = KeyCaseState{};
}

std::string TestDisplay::Format(uint8_t byte) {
  char text[8];
  switch (mode_) {
    case TestDisplayMode::Decimal:
      std::snprintf(text, sizeof text, "%3.3d ", byte);
      return text;
    case TestDisplayMode::Hexadecimal:
      std::snprintf(text, sizeof text, "0x%2.2x ", byte);
      return text;
    case TestDisplayMode::Names:
      break;
  }
  std::string names;
  for (uint8_t set2 : decoder_.Feed(byte)) names += Name(set2);
  return names;
}

std::string TestDisplay::Name(uint8_t set2Byte) {
  if (skip_ > 0) {
    --skip_;
    return {};
  }
  switch (set2Byte) {
    case kScanExtended:
      extended_ = true;
      return {};
    case kScanBreak:
      release_ = true;
      return {};
    case kScanPausePrefix:
      skip_ = kPauseTail;
      extended_ = release_ = false;
      return std::string(kPauseName) + ' ';
    default:
      break;
  }
  const bool extended = extended_;
  const bool release = release_;
  extended_ = release_ = false;
  if (set2Byte == kLeftShiftCode || set2Byte == kRightShiftCode) {
    // E0 12 and E0 59 are the shifts a keyboard adds around extended keys.
    if (extended) return {};
    (set2Byte == kLeftShiftCode ? state_.LeftShift : state_.RightShift) = !release;
  }
  if (release) return {};
  std::string name = KeyText(set2Byte, extended, KeyLanguage::English, state_);
  if (!extended && set2Byte == kCapsLockCode) state_.CapsLock = !state_.CapsLock;
  if (!extended && set2Byte == kNumLockCode) state_.NumLock = !state_.NumLock;
  return name.empty() ? name : name + ' ';
}

}  // namespace vl
