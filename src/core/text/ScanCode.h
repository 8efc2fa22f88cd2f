#pragma once
// Scan codes: the elements of a stored sequence (set 2) and the translation of the
// keyboard's own set-1 bytes into them, shared by the code-sequence lines and the
// test window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vl {

inline constexpr uint8_t kScanExtended = 0xE0;  // prefix of an extended key
inline constexpr uint8_t kScanBreak = 0xF0;     // prefix of a release (set 2)
inline constexpr uint8_t kScanPausePrefix = 0xE1;
inline constexpr uint8_t kScanWait = 0xFF;      // a pause element: FF, kWaitBase + n
inline constexpr uint8_t kWaitBase = 80;        // n tenths of a second, n = 0..15
inline constexpr int kMaxWait = 15;

// Set-2 codes of the keys whose state changes how other keys are shown.
inline constexpr uint8_t kLeftShiftCode = 0x12;
inline constexpr uint8_t kRightShiftCode = 0x59;
inline constexpr uint8_t kCapsLockCode = 0x58;
inline constexpr uint8_t kNumLockCode = 0x77;

// The Pause key in set 2: E1 14 77 E1 F0 14 F0 77. After its E1 the other 7
// bytes belong to it.
inline constexpr std::array<uint8_t, 8> kPauseKeySequence = {0xE1, 0x14, 0x77, 0xE1,
                                                             0xF0, 0x14, 0xF0, 0x77};

// Number of keys in the set-1 to set-2 table (and in the key display table).
inline constexpr int kKeyCount = 90;

// The set-2 code of a set-1 make code (01..53, 54, 56, 57, 58, 5B..5D); 0 for
// every other code.
uint8_t Set1ToSet2(uint8_t set1Code);

// The set-1 codes of the 90 keys in table order (01..53, 56, 57, 58, 5B, 5C, 5D, 54).
const std::array<uint8_t, kKeyCount>& Set1Codes();

// Turns the raw set-1 bytes that the keyboard sends into set-2 sequence bytes:
// E0 marks the next code extended; FA, FE and FF are dropped; E1 yields the whole
// Pause key sequence and swallows the 5 bytes the keyboard sends after it; a make
// equal to the last make (same extended flag) is a held key's repeat and yields
// nothing; a break forgets the last make when it releases it. Codes outside the
// table yield nothing.
class Set1Decoder {
 public:
  // The set-2 bytes produced by one set-1 byte (often none).
  std::vector<uint8_t> Feed(uint8_t byte);
  // Back to the start state (nothing pending, no last make).
  void Reset() { *this = Set1Decoder(); }

 private:
  int skip_ = 0;
  bool extended_ = false;
  bool hasLastMake_ = false;
  uint8_t lastMake_ = 0;
  bool lastMakeExtended_ = false;
};

}  // namespace vl
