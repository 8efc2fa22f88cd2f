#pragma once

#include <cstdint>

namespace vl {

// Group record of one cell. With Flags 0 the cell is not grouped and the other
// bytes mean nothing (ungrouping clears only Flags).
struct TGroupCell {
  uint8_t Flags = 0;
  uint8_t MasterCol = 0;
  uint8_t MasterRow = 0;
  uint8_t Left = 0;
  uint8_t Top = 0;
  uint8_t Right = 0;
  uint8_t Bottom = 0;

  bool IsGrouped() const { return Flags != 0; }
  bool operator==(const TGroupCell&) const = default;
};

inline constexpr uint8_t kGroupLeftEdge = 0x01;
inline constexpr uint8_t kGroupTopEdge = 0x02;
inline constexpr uint8_t kGroupRightEdge = 0x04;
inline constexpr uint8_t kGroupBottomEdge = 0x08;
inline constexpr uint8_t kGroupMember = 0x10;
inline constexpr uint8_t kGroupMaster = 0x20;

}  // namespace vl
