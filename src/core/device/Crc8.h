#pragma once
// CRC-8 as 1-Wire devices use it: polynomial x^8 + x^5 + x^4 + 1, reflected
// (0x8C), register starts at 0, no final XOR. "123456789" gives 0xA1.

#include <cstdint>
#include <span>

namespace vl {

uint8_t Crc8Step(uint8_t crc, uint8_t byte);
uint8_t Crc8(std::span<const uint8_t> bytes, uint8_t crc = 0);

}  // namespace vl
