#pragma once
// The decoding table: where each physical key of a device lies on the layout
// grid. Entry [x][y] (device column 0..15, device row 0..17) is the offset
// (dx, dy) of that key from the top-left cell of the layout fragment.

#include <array>
#include <string>
#include <string_view>

#include "core/catalogue/KeyPlacement.h"

namespace vl {

inline constexpr int kDecodingColumns = 16;
inline constexpr int kDecodingRows = 18;

class DecodingTable {
 public:
  // Fills the table from a decoding file: entries "dx:dy" separated by any mix of
  // line feeds, carriage returns and blanks, in device-column order (x = 0 with
  // y = 0..highestRow, then x = 1, ...). Only highestRow steers the filling;
  // highestColumn is the device width - 1 and only checked against the table.
  // False when the file cannot be read, an entry is not two integers around a
  // colon, an offset lies beyond 254 either way (no field cell is that far),
  // highestColumn is outside 0..15 or highestRow outside 0..17, or there are more
  // entries than 16 columns hold; the table is then all zero. Fewer entries than
  // the device has keys leave the rest at (0, 0). Problem() then tells why.
  bool Load(const std::string& path, int highestColumn, int highestRow);
  // The same from the file's contents.
  bool LoadText(std::string_view text, int highestRow);

  // Entry [x][y]; (0, 0) outside the table.
  GridOffset At(int x, int y) const;
  // The table as the device procedures take it (a copy, independent of this object).
  KeyPlacement Placement() const;

  // Entries stored by the last successful load.
  int EntryCount() const { return entries_; }
  // Why the last load failed, in a few Russian words ("запись 3 «1;2» — ..."); empty
  // after a successful one.
  const std::string& Problem() const { return problem_; }
  // Empty when the last load gave exactly one entry per key of a device this size
  // and no two keys share a cell, as a device operation needs; else what is wrong.
  std::string PlacementProblem(int highestColumn, int highestRow) const;

 private:
  bool Fail(std::string problem);
  void Clear();
  // Entry [x][y] of a key already known to lie inside the table.
  const GridOffset& Cell(int x, int y) const;
  std::array<std::array<GridOffset, kDecodingRows>, kDecodingColumns> cells_{};
  int entries_ = 0;
  std::string problem_;
};

}  // namespace vl
