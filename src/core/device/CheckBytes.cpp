#include "core/device/CheckBytes.h"

#include "core/device/Crc8.h"

namespace vl {

uint16_t ByteSum(std::span<const uint8_t> bytes) {
  uint16_t sum = 0;
  for (uint8_t byte : bytes) sum = static_cast<uint16_t>(sum + byte);
  return sum;
}

uint8_t FoldedSum(uint16_t sum) {
  const unsigned t = (sum & 0xFF) + (sum >> 8);
  return static_cast<uint8_t>((t & 0xFF) + (t >> 8));
}

std::array<uint8_t, 2> CheckBytes(std::span<const uint8_t> covered, CheckKind kind) {
  const uint16_t sum = ByteSum(covered);
  const uint8_t second = kind == CheckKind::Sum ? FoldedSum(sum) : Crc8(covered);
  return {static_cast<uint8_t>(sum & 0xFF), second};
}

namespace {

struct Split {
  std::span<const uint8_t> covered;
  uint8_t low;
  uint8_t last;
};

Split SplitBlock(std::span<const uint8_t> block) {
  return {block.first(block.size() - 2), block[block.size() - 2], block.back()};
}

}  // namespace

bool CheckBlock(std::span<const uint8_t> block, CheckKind kind) {
  if (block.size() < 3) return false;
  const Split parts = SplitBlock(block);
  const uint16_t sum = ByteSum(parts.covered);
  if (parts.low != (sum & 0xFF)) return false;
  if (kind == CheckKind::Sum) return parts.last == FoldedSum(sum);
  return Crc8Step(Crc8(parts.covered), parts.last) == 0;
}

bool CheckBlockAnyMode(std::span<const uint8_t> block) {
  return CheckBlock(block, CheckKind::Sum) || CheckBlock(block, CheckKind::Crc);
}

}  // namespace vl
