#pragma once
// What the identify answer says about the attached device.

#include <array>
#include <cstdint>
#include <span>

namespace vl {

struct DeviceIdentity {
  uint16_t DeviceType = 0;  // 0..1023, catalogue section "%0.4x"
  uint16_t SerialNumber = 0;
  uint8_t HasCardReader = 0;
  uint8_t FlagBit2 = 0;
  uint8_t HasSmartReader = 0;
  uint8_t HasExternalKeyboard = 0;
  uint8_t FlagBits01 = 0;
  bool operator==(const DeviceIdentity&) const = default;
};

// From the 8 decoded answer bytes (check bytes not examined here).
DeviceIdentity UnpackIdentity(std::span<const uint8_t, 8> answer);
// The 6 covered answer bytes (the first two are 0); the inverse of UnpackIdentity.
std::array<uint8_t, 6> PackIdentity(const DeviceIdentity& identity);

}  // namespace vl
