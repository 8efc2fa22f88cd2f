#include "core/catalogue/DecodingTable.h"

#include <filesystem>
#include <map>
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

// A device key as the catalogue counts it: column and row from 1.
std::string KeyName(std::pair<int, int> key) {
  return "(" + std::to_string(key.first + 1) + ", " + std::to_string(key.second + 1) + ")";
}

// An entry as a message may show it: ASCII only, at most 20 characters.
std::string Printable(std::string_view entry) {
  std::string shown;
  for (const char c : entry.substr(0, 20)) shown += (c >= ' ' && c <= '~') ? c : '?';
  return entry.size() > 20 ? shown + "…" : shown;
}

bool IsSeparator(char c) { return c == '\n' || c == '\r' || c == ' '; }

std::optional<int> Offset(std::string_view text) {
  const auto value = ParseProfileNumber(text);
  if (!value || *value < -kMaxOffset || *value > kMaxOffset) return std::nullopt;
  return value;
}

}  // namespace

bool DecodingTable::Load(const std::string& path, int highestColumn, int highestRow) {
  Clear();
  if (highestColumn < 0 || highestColumn >= kDecodingColumns) {
    return Fail("устройство шириной " + std::to_string(highestColumn + 1) + " столбцов, а таблица знает от 1 до " +
                std::to_string(kDecodingColumns));
  }
  const auto text = ReadRegularFile(std::filesystem::path(path), kMaxDecodingFileBytes);
  if (!text) return Fail(UnreadableFileText(std::filesystem::path(path), kMaxDecodingFileBytes));
  return LoadText(*text, highestRow);
}

bool DecodingTable::LoadText(std::string_view text, int highestRow) {
  Clear();
  if (highestRow < 0 || highestRow >= kDecodingRows) {
    return Fail("устройство высотой " + std::to_string(highestRow + 1) + " рядов, а таблица знает от 1 до " +
                std::to_string(kDecodingRows));
  }
  const auto lastRow = static_cast<size_t>(highestRow);
  size_t x = 0;
  size_t y = 0;
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
    const std::string shown = "запись " + std::to_string(stored + 1) + " «" + Printable(entry) + "»";
    if (!dx || !dy) {
      return Fail(shown + " не пара чисел от -" + std::to_string(kMaxOffset) + " до " + std::to_string(kMaxOffset) +
                  " через двоеточие");
    }
    if (x >= kDecodingColumns) {
      return Fail(shown + " лишняя: " + std::to_string(kDecodingColumns) + " столбцов по " +
                  std::to_string(highestRow + 1) + " клавиш уже заполнены");
    }
    cells_[x][y] = GridOffset{*dx, *dy};
    ++stored;
    if (++y > lastRow) {
      y = 0;
      ++x;
    }
  }
  entries_ = stored;
  return true;
}

std::string DecodingTable::PlacementProblem(int highestColumn, int highestRow) const {
  if (highestColumn < 0 || highestColumn >= kDecodingColumns || highestRow < 0 || highestRow >= kDecodingRows)
    return "поле устройства не от 1x1 до " + std::to_string(kDecodingColumns) + "x" + std::to_string(kDecodingRows);
  const int keys = (highestColumn + 1) * (highestRow + 1);
  if (entries_ != keys) {
    return "записей " + std::to_string(entries_) + ", а клавиш у устройства " + std::to_string(highestColumn + 1) +
           "x" + std::to_string(highestRow + 1) + " — " + std::to_string(keys);
  }
  std::map<std::pair<int, int>, std::pair<int, int>> cells;  // cell -> the key placed there first
  for (int x = 0; x <= highestColumn; ++x) {
    for (int y = 0; y <= highestRow; ++y) {
      const GridOffset& cell = Cell(x, y);
      const auto [placed, added] = cells.emplace(std::pair(cell.Dx, cell.Dy), std::pair(x, y));
      if (added) continue;
      return "клавиши " + KeyName(placed->second) + " и " + KeyName({x, y}) + " попадают в одну клетку " +
             std::to_string(cell.Dx) + ":" + std::to_string(cell.Dy);
    }
  }
  return {};
}

GridOffset DecodingTable::At(int x, int y) const {
  if (x < 0 || x >= kDecodingColumns || y < 0 || y >= kDecodingRows) return {};
  return Cell(x, y);
}

const GridOffset& DecodingTable::Cell(int x, int y) const {
  return cells_[static_cast<size_t>(x)][static_cast<size_t>(y)];
}

KeyPlacement DecodingTable::Placement() const {
  return [table = *this](int x, int y) { return table.At(x, y); };
}

bool DecodingTable::Fail(std::string problem) {
  Clear();
  problem_ = std::move(problem);
  return false;
}

void DecodingTable::Clear() {
  cells_ = {};
  entries_ = 0;
  problem_.clear();
}

}  // namespace vl
