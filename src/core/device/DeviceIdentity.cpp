#include "core/device/DeviceIdentity.h"

namespace vl {

DeviceIdentity UnpackIdentity(std::span<const uint8_t, 8> a) {
  DeviceIdentity id;
  id.SerialNumber = static_cast<uint16_t>(a[3] << 8 | a[2]);
  id.DeviceType = static_cast<uint16_t>(((a[4] >> 3) & 0x03) << 8 | a[5]);
  id.FlagBits01 = a[4] & 0x03;
  id.FlagBit2 = (a[4] >> 2) & 1;
  id.HasCardReader = (a[4] >> 5) & 1;
  id.HasSmartReader = (a[4] >> 6) & 1;
  id.HasExternalKeyboard = (a[4] >> 7) & 1;
  return id;
}

std::array<uint8_t, 6> PackIdentity(const DeviceIdentity& id) {
  const auto flags = static_cast<uint8_t>(
      (id.FlagBits01 & 0x03) | (id.FlagBit2 & 1) << 2 | ((id.DeviceType >> 8) & 0x03) << 3 |
      (id.HasCardReader & 1) << 5 | (id.HasSmartReader & 1) << 6 | (id.HasExternalKeyboard & 1) << 7);
  return {0, 0, static_cast<uint8_t>(id.SerialNumber & 0xFF), static_cast<uint8_t>(id.SerialNumber >> 8),
          flags, static_cast<uint8_t>(id.DeviceType & 0xFF)};
}

}  // namespace vl
