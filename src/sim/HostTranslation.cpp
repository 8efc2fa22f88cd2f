#include "sim/HostTranslation.h"

#include <array>

#include "core/text/ScanCode.h"

namespace vl::sim {

namespace {

// The inverse of the set-1 to set-2 table the input lines use, so both
// directions stay one table.
constexpr size_t kSet2Codes = 0x100;

std::array<uint8_t, kSet2Codes> MakeSet2ToSet1() {
  std::array<uint8_t, kSet2Codes> table{};
  for (size_t code = 0; code < kSet2Codes; ++code) table[code] = static_cast<uint8_t>(code);
  for (int set1 = 0; set1 < 0x80; ++set1) {
    if (const uint8_t set2 = Set1ToSet2(static_cast<uint8_t>(set1))) table[set2] = static_cast<uint8_t>(set1);
  }
  return table;
}

}  // namespace

uint8_t Set2ToSet1(uint8_t set2Code) {
  static const std::array<uint8_t, kSet2Codes> table = MakeSet2ToSet1();
  return table[set2Code];
}

std::optional<uint8_t> HostTranslation::Feed(uint8_t set2Byte) {
  if (raw_) return set2Byte;
  if (set2Byte == kScanExtended || set2Byte == kScanPausePrefix) return set2Byte;
  if (set2Byte == kScanBreak) {
    breakPending_ = true;
    return std::nullopt;
  }
  const uint8_t set1 = Set2ToSet1(set2Byte);
  const bool isBreak = breakPending_;
  breakPending_ = false;
  return isBreak ? static_cast<uint8_t>(set1 | 0x80) : set1;
}

}  // namespace vl::sim
