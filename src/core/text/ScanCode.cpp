#include "core/text/ScanCode.h"

namespace vl {

namespace {

// Set-2 codes of set-1 codes 00..5D; 0 where set 1 has no key of the table.
constexpr std::array<uint8_t, 0x5E> kSet1ToSet2 = {
    0x00, 0x76, 0x16, 0x1E, 0x26, 0x25, 0x2E, 0x36, 0x3D, 0x3E, 0x46, 0x45, 0x4E, 0x55, 0x66, 0x0D,  // 00-0F
    0x15, 0x1D, 0x24, 0x2D, 0x2C, 0x35, 0x3C, 0x43, 0x44, 0x4D, 0x54, 0x5B, 0x5A, 0x14, 0x1C, 0x1B,  // 10-1F
    0x23, 0x2B, 0x34, 0x33, 0x3B, 0x42, 0x4B, 0x4C, 0x52, 0x0E, 0x12, 0x5D, 0x1A, 0x22, 0x21, 0x2A,  // 20-2F
    0x32, 0x31, 0x3A, 0x41, 0x49, 0x4A, 0x59, 0x7C, 0x11, 0x29, 0x58, 0x05, 0x06, 0x04, 0x0C, 0x03,  // 30-3F
    0x0B, 0x83, 0x0A, 0x01, 0x09, 0x77, 0x7E, 0x6C, 0x75, 0x7D, 0x7B, 0x6B, 0x73, 0x74, 0x79, 0x69,  // 40-4F
    0x72, 0x7A, 0x70, 0x71, 0x84, 0x00, 0x61, 0x78, 0x07, 0x00, 0x00, 0x1F, 0x27, 0x2F,              // 50-5D
};

constexpr std::array<uint8_t, kKeyCount> MakeSet1Codes() {
  std::array<uint8_t, kKeyCount> codes{};
  std::size_t n = 0;
  for (uint8_t code = 0x01; code <= 0x53; ++code) codes[n++] = static_cast<uint8_t>(code);
  for (int code : {0x56, 0x57, 0x58, 0x5B, 0x5C, 0x5D, 0x54}) codes[n++] = static_cast<uint8_t>(code);
  return codes;
}

constexpr std::array<uint8_t, kKeyCount> kSet1Codes = MakeSet1Codes();

// After E1 the keyboard sends 1D 45 E1 9D C5: five bytes that belong to Pause.
constexpr int kPauseTail = 5;

}  // namespace

uint8_t Set1ToSet2(uint8_t set1Code) {
  return set1Code < kSet1ToSet2.size() ? kSet1ToSet2[set1Code] : 0;
}

const std::array<uint8_t, kKeyCount>& Set1Codes() { return kSet1Codes; }

std::vector<uint8_t> Set1Decoder::Feed(uint8_t byte) {
  if (skip_ > 0) {
    --skip_;
    return {};
  }
  switch (byte) {
    case kScanExtended:
      extended_ = true;
      return {};
    case 0xFA:  // acknowledge
    case 0xFE:  // resend
    case 0xFF:  // overrun
      return {};
    case kScanPausePrefix:
      skip_ = kPauseTail;
      extended_ = false;
      return {kPauseKeySequence.begin(), kPauseKeySequence.end()};
    default:
      break;
  }

  const bool extended = extended_;
  extended_ = false;
  const bool isBreak = byte >= 0x80;
  const uint8_t code = static_cast<uint8_t>(byte & 0x7F);
  const uint8_t set2 = Set1ToSet2(code);
  if (set2 == 0) return {};

  std::vector<uint8_t> out;
  if (isBreak) {
    if (hasLastMake_ && lastMake_ == code && lastMakeExtended_ == extended) hasLastMake_ = false;
    if (extended) out.push_back(kScanExtended);
    out.push_back(kScanBreak);
    out.push_back(set2);
    return out;
  }
  if (hasLastMake_ && lastMake_ == code && lastMakeExtended_ == extended) return {};  // held key
  hasLastMake_ = true;
  lastMake_ = code;
  lastMakeExtended_ = extended;
  if (extended) out.push_back(kScanExtended);
  out.push_back(set2);
  return out;
}

}  // namespace vl
