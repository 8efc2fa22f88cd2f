#include "core/device/DeviceHeader.h"

namespace vl {

HeaderBlock PackHeader(const DeviceHeader& h, bool keepExtra) {
  HeaderBlock block{};
  block[0] = static_cast<uint8_t>(h.DataSize >> 8);
  block[1] = static_cast<uint8_t>(h.DataSize & 0xFF);
  block[2] = static_cast<uint8_t>((h.Language & 0x07) | ((h.CorrectLock & 1) << 3) |
                                  ((h.ScanInterval & 0x0F) << 4));
  block[3] = static_cast<uint8_t>((h.ProgrammerMinor & 0x0F) | ((h.ProgrammerMajor & 0x0F) << 4));
  block[4] = 0;  // the controller version is the device's own
  block[5] = static_cast<uint8_t>((h.Buffered ? 0 : 1) | ((h.Programmer & 0x03) << 1) |
                                  (keepExtra ? (h.Extra & 0x1F) << 3 : 0));
  return block;
}

DeviceHeader UnpackHeader(std::span<const uint8_t, 8> b) {
  DeviceHeader h;
  h.DataSize = static_cast<uint16_t>(b[0] << 8 | b[1]);
  h.Language = b[2] & 0x07;
  h.CorrectLock = (b[2] >> 3) & 1;
  h.ScanInterval = b[2] >> 4;
  h.ProgrammerMinor = b[3] & 0x0F;
  h.ProgrammerMajor = b[3] >> 4;
  h.ControllerMinor = b[4] & 0x0F;
  h.ControllerMajor = b[4] >> 4;
  h.Buffered = (b[5] & 1) ? 0 : 1;
  h.Programmer = (b[5] >> 1) & 0x03;
  h.Extra = b[5] >> 3;
  return h;
}

}  // namespace vl
