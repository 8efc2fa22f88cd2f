#include "core/catalogue/DecodingTable.h"

#include <filesystem>
#include <set>
#include <utility>

#include "core/catalogue/IniFile.h"
#include "core/common/ReadFile.h"
#include "core/document/Field.h"

namespace vl {
namespace {

// No offset beyond this reaches a field cell from any top-left cell; larger ones
// would only overflow the callers' arithmetic.
constexpr int kMaxOffset = kFieldSize - 1;

// 16 x 18 entries of at most "-254:-254" each; the rest is room for generous
// spacing between them.
constexpr std::uintmax_t kMaxDecodingFileBytes = 64u << 10;

bool IsSeparator(char c) { return c == '\n' || c == '\r' || c == ' '; }

std::optional<int> Offset(std::string_view text) {
  const auto value = ParseProfileNumber(text);
  if (!value || *value < -kMaxOffset || *value > kMaxOffset) return std::nullopt;
  return value;
}

}  // namespace

bool DecodingTable::Load(const std::string& path, int highestColumn, int highestRow) {
  Clear();
  if (highestColumn < 0 || highestColumn >= kDecodingColumns) return false;
  const auto text = ReadRegularFile(std::filesystem::path(path), kMaxDecodingFileBytes);
  return text && LoadText(*text, highestRow);
}

bool DecodingTable::LoadText(std::string_view text, int highestRow) {
  Clear();
  if (highestRow < 0 || highestRow >= kDecodingRows) return false;
  int x = 0;
  int y = 0;
  int stored = 0;
  size_t start = 0;
  // One pass past the end, so the end of the text ends the last entry as well.
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && !IsSeparator(text[i])) continue;
    const std::string_view entry = text.substr(start, i - start);
    start = i + 1;
    if (entry.empty()) continue;
    const size_t colon = entry.find(':');
    const auto dx = Offset(entry.substr(0, colon));
    const auto dy = colon == std::string_view::npos ? std::nullopt : Offset(entry.substr(colon + 1));
    if (!dx || !dy || x >= kDecodingColumns) {
      Clear();
      return false;
    }
    cells_[x][y] = GridOffset{*dx, *dy};
    ++stored;
    if (++y > highestRow) {
      y = 0;
      ++x;
    }
  }
  entries_ = stored;
  return true;
}

bool DecodingTable::PlacesEachKeyOnce(int highestColumn, int highestRow) const {
  if (highestColumn < 0 || highestColumn >= kDecodingColumns || highestRow < 0 || highestRow >= kDecodingRows ||
      entries_ != (highestColumn + 1) * (highestRow + 1))
    return false;
  std::set<std::pair<int, int>> cells;
  for (int x = 0; x <= highestColumn; ++x) {
    for (int y = 0; y <= highestRow; ++y) {
      if (!cells.emplace(cells_[x][y].Dx, cells_[x][y].Dy).second) return false;
    }
  }
  return true;
}

GridOffset DecodingTable::At(int x, int y) const {
  if (x < 0 || x >= kDecodingColumns || y < 0 || y >= kDecodingRows) return {};
  return cells_[x][y];
}

KeyPlacement DecodingTable::Placement() const {
  return [table = *this](int x, int y) { return table.At(x, y); };
}

void DecodingTable::Clear() {
  cells_ = {};
  entries_ = 0;
}

}  // namespace vl
