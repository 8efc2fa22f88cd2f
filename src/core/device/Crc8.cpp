#include "core/device/Crc8.h"

namespace vl {

uint8_t Crc8Step(uint8_t crc, uint8_t byte) {
  for (int bit = 0; bit < 8; ++bit) {
    const bool mix = ((byte ^ crc) & 1) != 0;
    crc = static_cast<uint8_t>(crc >> 1);
    if (mix) crc ^= 0x8C;
    byte = static_cast<uint8_t>(byte >> 1);
  }
  return crc;
}

uint8_t Crc8(std::span<const uint8_t> bytes, uint8_t crc) {
  for (uint8_t byte : bytes) crc = Crc8Step(crc, byte);
  return crc;
}

}  // namespace vl
