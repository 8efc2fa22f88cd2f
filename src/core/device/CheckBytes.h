#pragma once
// The two check bytes after a block: the low byte of the 16-bit sum, then
// either the end-around-carry fold of the sum or the CRC-8.

#include <array>
#include <cstdint>
#include <span>

#include "core/catalogue/DeviceModel.h"

namespace vl {

uint16_t ByteSum(std::span<const uint8_t> bytes);
uint8_t FoldedSum(uint16_t sum);
std::array<uint8_t, 2> CheckBytes(std::span<const uint8_t> covered, CheckKind kind);

// A received block with its two check bytes at the end; under 3 bytes fails.
bool CheckBlock(std::span<const uint8_t> block, CheckKind kind);
// Either kind passes (the identify answer, before the kind is known).
bool CheckBlockAnyMode(std::span<const uint8_t> block);

}  // namespace vl
