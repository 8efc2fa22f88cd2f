#include "core/document/CellBytes.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace vl {
namespace {

// A text is its length, seven bits a byte with the low bits first and the high
// bit set while more follow, then its bytes.
size_t TextByteCount(const std::string& text) {
  size_t count = 1;
  for (size_t length = text.size(); length >= 0x80; length >>= 7) ++count;
  return count + text.size();
}

char* WriteText(char* out, const std::string& text) {
  size_t length = text.size();
  while (length >= 0x80) {
    *out++ = static_cast<char>((length & 0x7F) | 0x80);
    length >>= 7;
  }
  *out++ = static_cast<char>(length);
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

std::array<uint8_t, 7> GroupBytes(const TGroupCell& cell) {
  return {cell.Flags, cell.MasterCol, cell.MasterRow, cell.Left, cell.Top, cell.Right, cell.Bottom};
}

// Reads bytes that are known to hold what was written; a read that finds other
// bytes than expected says so.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  uint8_t Byte() { return static_cast<uint8_t>(*at_++); }
  std::string_view Text() {
    size_t length = 0;
    for (int shift = 0;; shift += 7) {
      const uint8_t byte = Byte();
      length |= static_cast<size_t>(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0) break;
    }
    const std::string_view text(at_, length);
    at_ += length;
    return text;
  }
  bool AtEnd() const { return at_ == end_; }

 private:
  const char* at_;
  const char* end_;
};

bool LayerMatches(Reader& read, const TMacros& layer) {
  return read.Text() == layer.Macro[0] && read.Text() == layer.Macro[1] && read.Byte() == layer.AutoRepeat &&
         read.Byte() == layer.Click && read.Text() == layer.Note;
}

}  // namespace

size_t CellByteCount(const std::unique_ptr<TMacroButton>& key) {
  if (!key) return 0;
  size_t count = 1;
  for (const TMacros& layer : key->Layers) {
    count += TextByteCount(layer.Macro[0]) + TextByteCount(layer.Macro[1]) + 2 + TextByteCount(layer.Note);
  }
  return count;
}

size_t CellByteCount(const std::unique_ptr<TKeyNote>& note) {
  return note ? TextByteCount(note->KeyNote) + TextByteCount(note->Mark) : 0;
}

size_t CellByteCount(const TGroupCell& cell) { return cell == TGroupCell{} ? 0 : GroupBytes(cell).size(); }

char* WriteCellBytes(char* out, const std::unique_ptr<TMacroButton>& key) {
  if (!key) return out;
  *out++ = static_cast<char>(key->Func);
  for (const TMacros& layer : key->Layers) {
    out = WriteText(out, layer.Macro[0]);
    out = WriteText(out, layer.Macro[1]);
    *out++ = static_cast<char>(layer.AutoRepeat);
    *out++ = static_cast<char>(layer.Click);
    out = WriteText(out, layer.Note);
  }
  return out;
}

char* WriteCellBytes(char* out, const std::unique_ptr<TKeyNote>& note) {
  if (!note) return out;
  return WriteText(WriteText(out, note->KeyNote), note->Mark);
}

char* WriteCellBytes(char* out, const TGroupCell& cell) {
  if (cell == TGroupCell{}) return out;
  for (const uint8_t byte : GroupBytes(cell)) *out++ = static_cast<char>(byte);
  return out;
}

bool CellMatches(std::string_view bytes, const std::unique_ptr<TMacroButton>& key) {
  if (!key || bytes.empty()) return !key && bytes.empty();
  Reader read(bytes);
  if (read.Byte() != key->Func) return false;
  for (const TMacros& layer : key->Layers) {
    if (!LayerMatches(read, layer)) return false;
  }
  return read.AtEnd();
}

bool CellMatches(std::string_view bytes, const std::unique_ptr<TKeyNote>& note) {
  if (!note || bytes.empty()) return !note && bytes.empty();
  Reader read(bytes);
  return read.Text() == note->KeyNote && read.Text() == note->Mark && read.AtEnd();
}

bool CellMatches(std::string_view bytes, const TGroupCell& cell) {
  if (cell == TGroupCell{} || bytes.empty()) return cell == TGroupCell{} && bytes.empty();
  const std::array<uint8_t, 7> values = GroupBytes(cell);
  return bytes.size() == values.size() && std::memcmp(bytes.data(), values.data(), values.size()) == 0;
}

void RestoreCell(std::string_view bytes, std::unique_ptr<TMacroButton>& key) {
  if (bytes.empty()) {
    key.reset();
    return;
  }
  if (!key) key = std::make_unique<TMacroButton>();
  Reader read(bytes);
  key->Func = read.Byte();
  for (TMacros& layer : key->Layers) {
    layer.Macro[0] = read.Text();
    layer.Macro[1] = read.Text();
    layer.AutoRepeat = read.Byte();
    layer.Click = read.Byte();
    layer.Note = read.Text();
  }
}

void RestoreCell(std::string_view bytes, std::unique_ptr<TKeyNote>& note) {
  if (bytes.empty()) {
    note.reset();
    return;
  }
  if (!note) note = std::make_unique<TKeyNote>();
  Reader read(bytes);
  note->KeyNote = read.Text();
  note->Mark = read.Text();
}

void RestoreCell(std::string_view bytes, TGroupCell& cell) {
  if (bytes.empty()) {
    cell = TGroupCell{};
    return;
  }
  Reader read(bytes);
  for (uint8_t* byte : {&cell.Flags, &cell.MasterCol, &cell.MasterRow, &cell.Left, &cell.Top, &cell.Right,
                        &cell.Bottom}) {
    *byte = read.Byte();
  }
}

}  // namespace vl
