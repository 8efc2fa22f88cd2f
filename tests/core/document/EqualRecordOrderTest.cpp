// The writer finds equal keys and notes through a hash index. Here a plain writer
// that rescans the field from (1, 1) for every record it writes, as the format's
// order is defined, must produce the same bytes on fields full of repeats.

#include <set>

#include "LayoutFileSupport.h"
#include "core/document/LayoutFileFormat.h"

namespace vl::test {
namespace {

using namespace layout_file;

struct Cell {
  int column, row;
};

std::vector<Cell> Traversal(int columns, int rows) {
  std::vector<Cell> cells;
  for (int column = 1; column <= columns; ++column) {
    for (int row = 1; row <= rows; ++row) cells.push_back({column, row});
  }
  return cells;
}

void Put(std::string& out, std::initializer_list<int> bytes) {
  for (const int byte : bytes) out.push_back(static_cast<char>(byte));
}
void PutText(std::string& out, int tag, const std::string& text) {
  if (text.empty()) return;
  Put(out, {tag, static_cast<int>(text.size())});
  out += text;
}

// Keys and notes as the plain rescanning writer orders them (no password, no card
// reader, no groups, default settings).
std::string PlainWriter(const TVL2Document& document, int columns, int rows) {
  std::string out("\xFF\x32\x21\x03\x22\x00\x23\x01\x28\x00", 10);
  const auto cells = Traversal(columns, rows);
  std::set<std::pair<int, int>> written;
  for (const Cell& cell : cells) {
    const TMacroButton* key = document.GetKey(cell.column, cell.row);
    if (!key || key->IsEmpty() || written.count({cell.column, cell.row})) continue;
    Put(out, {kKey, cell.column, cell.row, kFunction, key->Func});
    for (int layer = 0; layer < kLayerCount; ++layer) {
      const TMacros& block = key->Layers[layer];
      if (block.IsEmpty()) continue;
      Put(out, {kLayer, layer});
      PutText(out, kPressSequence, block.Macro[0]);
      PutText(out, kReleaseSequence, block.Macro[1]);
      if (block.AutoRepeat) Put(out, {kAutoRepeat, block.AutoRepeat});
      if (block.Click) Put(out, {kClick, block.Click});
      PutText(out, kLayerNote, block.Note);
    }
    Put(out, {kEndOfKey});
    written.insert({cell.column, cell.row});
    for (const Cell& other : cells) {
      const TMacroButton* same = document.GetKey(other.column, other.row);
      if (!same || written.count({other.column, other.row}) || !(*same == *key)) continue;
      Put(out, {kSameKey, other.column, other.row});
      written.insert({other.column, other.row});
    }
  }
  written.clear();
  for (const Cell& cell : cells) {
    const TKeyNote* note = document.GetNote(cell.column, cell.row);
    if (!note || written.count({cell.column, cell.row})) continue;
    Put(out, {kNote, cell.column, cell.row});
    PutText(out, kKeyNote, note->KeyNote);
    PutText(out, kMark, note->Mark);
    Put(out, {kEndOfNote});
    written.insert({cell.column, cell.row});
    for (const Cell& other : cells) {
      const TKeyNote* same = document.GetNote(other.column, other.row);
      if (!same || written.count({other.column, other.row}) || note->KeyNote.empty() ||
          same->KeyNote != note->KeyNote || !same->Mark.empty()) {
        continue;
      }
      Put(out, {kSameNote, other.column, other.row});
      written.insert({other.column, other.row});
    }
  }
  return out;
}

using EqualRecordOrder = LayoutFileTest;

TEST_F(EqualRecordOrder, HashIndexWritesTheBytesOfTheRescanningOrder) {
  constexpr int kColumns = 30, kRows = 40;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    std::mt19937 random(seed);
    TVL2Document document;
    // Few distinct records, so most keys repeat one met earlier.
    const int variety = 2 + static_cast<int>(seed);
    for (const Cell& cell : Traversal(kColumns, kRows)) {
      const int draw = static_cast<int>(random() % 4);
      if (draw == 0) continue;
      PutKey(document, cell.column, cell.row, RandomKey(random, variety));
      if (draw == 1) {
        PutNote(document, cell.column, cell.row, std::string(random() % 3, 'n'),
                random() % 3 == 0 ? "m" : "");
        if (document.GetNote(cell.column, cell.row)->IsEmpty()) document.Notes(cell.column, cell.row).reset();
      }
    }
    ASSERT_EQ(Save(document), PlainWriter(document, kColumns, kRows)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace vl::test
