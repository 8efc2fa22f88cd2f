#pragma once
// The layout field: keys addressed by (column, row), each 1 to 255, four layers.

#include <cstddef>
#include <cstdint>

namespace vl {

inline constexpr int kFieldSize = 255;             // columns and rows, each 1..255
inline constexpr int kFieldCells = kFieldSize * kFieldSize;
inline constexpr int kLayerCount = 4;              // layers 0..3
inline constexpr int kAllLayers = 4;               // a layer argument meaning every layer
inline constexpr size_t kMaxSequenceLength = 255;  // a length byte in the file
inline constexpr size_t kMaxLayerNoteLength = 50;
inline constexpr size_t kMaxKeyNoteLength = 150;
inline constexpr size_t kMaxMarkLength = 50;
inline constexpr size_t kMaxPasswordLength = 20;

inline constexpr bool InField(int column, int row) {
  return column >= 1 && column <= kFieldSize && row >= 1 && row <= kFieldSize;
}

// A rectangle of cells, inclusive on all sides.
struct TRect {
  int Left = 1;
  int Top = 1;
  int Right = 1;
  int Bottom = 1;

  int Width() const { return Right - Left + 1; }
  int Height() const { return Bottom - Top + 1; }
  bool Contains(int column, int row) const {
    return column >= Left && column <= Right && row >= Top && row <= Bottom;
  }
  bool operator==(const TRect&) const = default;
};

}  // namespace vl
