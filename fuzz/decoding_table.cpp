// The decoding-file reader on arbitrary text. The first byte picks the highest row
// index (also outside 0..17), the second the highest column index. A load either
// fills entries whose offsets reach no further than the field, or fails, leaves the
// table clear and says why; the placement check has a reason whenever it refuses.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/catalogue/DecodingTable.h"
#include "core/document/Field.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int highestRow = static_cast<int8_t>(data[0]) % 20;
  const int highestColumn = static_cast<int8_t>(data[1]) % 18;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  vl::DecodingTable table;
  const bool loaded = table.LoadText(text, highestRow);
  if (loaded && table.EntryCount() > vl::kDecodingColumns * (highestRow + 1)) __builtin_trap();
  if (loaded != table.Problem().empty()) __builtin_trap();
  const std::string placement = table.PlacementProblem(highestColumn, highestRow);
  if (loaded && placement.empty() && table.EntryCount() != (highestColumn + 1) * (highestRow + 1)) __builtin_trap();
  for (int x = 0; x < vl::kDecodingColumns; ++x) {
    for (int y = 0; y < vl::kDecodingRows; ++y) {
      const vl::GridOffset offset = table.At(x, y);
      if (!loaded && (offset.Dx != 0 || offset.Dy != 0)) __builtin_trap();
      if (offset.Dx <= -vl::kFieldSize || offset.Dx >= vl::kFieldSize || offset.Dy <= -vl::kFieldSize ||
          offset.Dy >= vl::kFieldSize) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
