#include "core/document/GridTexts.h"

#include <cstdio>

#include "core/document/EditingSupport.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

constexpr size_t kHintLineLength = 75;

std::string Format(const char* format, int a, int b) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

std::string Format(const char* format, int a, int b, int c, int d) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
  return buffer;
}

void Intersect(TMacroButton& summary, const TMacroButton& key) {
  if (summary.Func != key.Func) summary.Func = kFuncNone;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    TMacros& common = summary.Layers[layer];
    const TMacros& other = key.Layers[layer];
    for (int side = 0; side < 2; ++side) {
      if (common.Macro[side] != other.Macro[side]) common.Macro[side].clear();
    }
    if (common.AutoRepeat != other.AutoRepeat) common.AutoRepeat = 0;
    if (common.Click != other.Click) common.Click = 0;
    if (common.Note != other.Note) common.Note.clear();
  }
}

}  // namespace

SelectionSummary SummarizeSelection(const TVL2Document& document, const TRect& block) {
  SelectionSummary summary;
  const auto clipped = ClipToField(block);
  if (!clipped) return summary;
  if (const TMacroButton* first = document.GetKey(clipped->Left, clipped->Top)) summary.Key = *first;
  if (const TKeyNote* note = document.GetNote(clipped->Left, clipped->Top)) summary.Note = *note;
  const TMacroButton empty;
  ForEachCell(*clipped, [&](int column, int row) {
    const TMacroButton* key = document.GetKey(column, row);
    Intersect(summary.Key, key ? *key : empty);
    const TKeyNote* note = document.GetNote(column, row);
    if (!note || note->KeyNote != summary.Note.KeyNote) summary.Note.KeyNote.clear();
  });
  return summary;
}

std::string KeyHint(const TKeyNote& note) {
  std::string text = note.KeyNote;
  if (text.size() > kHintLineLength) {
    text = text.substr(0, kHintLineLength) + "\n" + text.substr(kHintLineLength);
  }
  text = Cp1251ToUtf8(text);
  const std::string mark = Cp1251ToUtf8(note.Mark);
  if (mark.empty()) return text;
  const std::string bookmark = "Закладка (" + mark + ")";
  if (text.empty()) return bookmark;
  return "Примечание (" + text + ")\n" + bookmark;
}

std::string PositionText(const TRect& selection) {
  if (selection.Width() == 1 && selection.Height() == 1) {
    return Format("(%d,%d)", selection.Left, selection.Top);
  }
  return Format("размер (%d,%d)", selection.Width(), selection.Height());
}

std::string SelectionCaption(const TRect& selection) {
  if (selection.Width() == 1 && selection.Height() == 1) {
    return "Клавиша " + PositionText(selection);
  }
  return Format("Клавиши (%d,%d)-(%d,%d)", selection.Left, selection.Top, selection.Right,
                selection.Bottom);
}

std::string MoveText(const TRect& source, const TRect& target) {
  if (source.Width() == 1 && source.Height() == 1) {
    return Format("(%d,%d) в (%d,%d)", source.Left, source.Top, target.Left, target.Top);
  }
  return Format("(%d,%d)(%d,%d)", source.Left, source.Top, source.Right, source.Bottom) + " в " +
         Format("(%d,%d)(%d,%d)", target.Left, target.Top, target.Right, target.Bottom);
}

std::string CellSequenceText(const std::string& sequence, KeyLanguage language) {
  const std::string text = SequenceToText(sequence, kNoTextLimit, language, true);
  if (text.find_first_not_of(' ') == std::string::npos) return "СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ";
  return text;
}

std::string CellInformation(const TVL2Document& document, int column, int row,
                            KeyLanguage language) {
  std::string text;
  auto line = [&text](const std::string& name, const std::string& value) {
    text += name + ": " + value + "\n";
  };
  if (const TKeyNote* note = document.GetNote(column, row)) {
    if (!note->KeyNote.empty()) line("Примечание", Cp1251ToUtf8(note->KeyNote));
    if (!note->Mark.empty()) line("Закладка", Cp1251ToUtf8(note->Mark));
  }
  const TGroupCell group = document.GetGroup(column, row);
  if (group.IsGrouped()) {
    line("Группа", Format("(%d,%d)-(%d,%d)", group.Left, group.Top, group.Right, group.Bottom));
    line("Мастер-клавиша", Format("(%d,%d)", group.MasterCol, group.MasterRow));
  }
  const TMacroButton* key = document.GetKey(column, row);
  if (!key || key->Func > kFuncShiftToLayer0 + 3) return text;
  line("Действие", kFuncCaptions[key->Func]);
  if (key->Func != kFuncMacro) return text;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    const TMacros& block = key->Layers[layer];
    if (block.IsEmpty()) continue;
    text += "\nУровень " + std::to_string(layer) + "\n";
    if (!block.Macro[0].empty()) line("Нажатие", CellSequenceText(block.Macro[0], language));
    if (!block.Macro[1].empty()) line("Отжатие", CellSequenceText(block.Macro[1], language));
    if (block.AutoRepeat & 1) line("Автоповтор", "да");
    if (block.Click != 0) line("Щелчок", Format("%d,%dc", block.Click / 10, block.Click % 10));
    if (!block.Note.empty()) line("Примечание уровня", Cp1251ToUtf8(block.Note));
  }
  return text;
}

}  // namespace vl
