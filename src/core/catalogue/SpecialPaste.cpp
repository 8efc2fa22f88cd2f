#include "core/catalogue/SpecialPaste.h"

#include "core/catalogue/IniFile.h"
#include "core/document/Field.h"
#include "core/document/LayerSetters.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

constexpr unsigned char kPartSeparator = 0xFF;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

SpecialPasteParse Refuse(const std::string& actionName, const std::string& reason) {
  return {std::nullopt, "Ошибка в определении \"" + Cp1251ToUtf8(actionName) + "\": " + reason};
}

}  // namespace

std::vector<SpecialPasteCategory> ReadSpecialPaste(const std::string& path) {
  const IniFile file = IniFile::Load(path);
  std::vector<SpecialPasteCategory> categories;
  for (const auto& section : file.Sections()) {
    SpecialPasteCategory& category = categories.emplace_back(SpecialPasteCategory{section, {}});
    for (auto& [name, value] : file.SectionValues(section)) category.Actions.push_back({name, value});
  }
  return categories;
}

SpecialPasteParse ParseSpecialPaste(const std::string& actionName, std::string_view value,
                                    const NameTranslations& names) {
  SpecialPasteResult result;
  std::string* parts[] = {&result.Press, &result.Release};
  size_t part = 0;
  size_t i = 0;
  while (i < value.size() && part < 2) {
    if (i + 1 == value.size()) return Refuse(actionName, "нечётное число шестнадцатеричных цифр.");
    const int high = HexDigit(value[i]);
    const int low = HexDigit(value[i + 1]);
    if (high < 0 || low < 0) {
      const char bad = high < 0 ? value[i] : value[i + 1];
      return Refuse(actionName, "\"" + Cp1251ToUtf8(std::string(1, bad)) + "\" не шестнадцатеричная цифра.");
    }
    i += 2;
    const auto byte = static_cast<unsigned char>(high << 4 | low);
    if (byte == kPartSeparator) {
      ++part;
      continue;
    }
    if (parts[part]->size() == kMaxSequenceLength) {
      return Refuse(actionName, "последовательность длиннее " + std::to_string(kMaxSequenceLength) + " байт.");
    }
    *parts[part] += static_cast<char>(byte);
  }
  // The note is the rest as written, up to a byte FFh (a part the result has no
  // place for), in the language of names and within the length of a layer note.
  const std::string_view note = value.substr(i);
  result.Note = names(std::string(note.substr(0, note.find(static_cast<char>(kPartSeparator)))));
  if (result.Note.size() > kMaxLayerNoteLength) result.Note.resize(kMaxLayerNoteLength);
  return {std::move(result), {}};
}

void ApplySpecialPaste(TVL2Document& document, const TRect& block, int layer, const SpecialPasteResult& paste) {
  // The four setters are one step.
  const StepGuard step(document, kUndoSpecialPaste, StepScope::KeysIn(block));
  SetSequence(document, block, layer, SequenceKind::Press, paste.Press);
  SetSequence(document, block, layer, SequenceKind::Release, paste.Release);
  SetLayerNote(document, block, layer, paste.Note);
  // The setters leave a key they emptied free; autorepeat makes every key of the
  // block a macro key again, as the definition asks.
  SetAutoRepeat(document, block, layer, 1);
}

}  // namespace vl
