#pragma once
// The device's 8-byte parameter block (at Memory - 32).

#include <array>
#include <cstdint>
#include <span>

namespace vl {

struct DeviceHeader {
  uint16_t DataSize = 0;
  uint8_t Language = 0;         // 0..7
  uint8_t CorrectLock = 0;      // 0/1
  uint8_t ScanInterval = 0;     // 0..15
  uint8_t ProgrammerMinor = 0;  // 0..15
  uint8_t ProgrammerMajor = 0;  // 0..15
  uint8_t ControllerMinor = 0;  // 0..15, read only
  uint8_t ControllerMajor = 0;  // 0..15, read only
  uint8_t Buffered = 0;         // 0/1
  uint8_t Programmer = 0;       // 0..3
  uint8_t Extra = 0;            // 0..31, carried over from the device
  bool operator==(const DeviceHeader&) const = default;
};

using HeaderBlock = std::array<uint8_t, 8>;

// The wire form as written: controller version 0; keepExtra false (protected
// mode) leaves bits 3-7 of byte 5 at 0. Out-of-range fields are masked.
HeaderBlock PackHeader(const DeviceHeader& header, bool keepExtra);
// As read from the device, controller version included.
DeviceHeader UnpackHeader(std::span<const uint8_t, 8> block);

}  // namespace vl
