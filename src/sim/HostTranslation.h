#pragma once
// What the PC's keyboard controller makes of the keyboard's set-2 bytes with
// translation on: each code becomes its set-1 code, F0 and the code after it
// become one byte, the set-1 code + 0x80; E0 and E1 pass unchanged. The raw mode
// passes every byte as it is.

#include <cstdint>
#include <optional>

namespace vl::sim {

class HostTranslation {
 public:
  explicit HostTranslation(bool raw = false) : raw_(raw) {}
  // The byte the host receives for one byte from the keyboard (none for F0 in
  // translated mode: it waits for the code).
  std::optional<uint8_t> Feed(uint8_t set2Byte);
  void Reset() { breakPending_ = false; }

 private:
  bool raw_;
  bool breakPending_ = false;
};

// The set-1 code of a set-2 key code; codes no key of the set-1 table has pass
// unchanged.
uint8_t Set2ToSet1(uint8_t set2Code);

}  // namespace vl::sim
