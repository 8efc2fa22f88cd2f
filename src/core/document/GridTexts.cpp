#include "core/document/GridTexts.h"

#include "core/common/FilledText.h"
#include "core/document/EditingSupport.h"
#include "core/text/Cp1251.h"

#include <vector>

namespace vl {

namespace {

constexpr size_t kHintLineLength = 75;

// The formats may be translated: their numbers are filled without printf.
template <typename... Numbers>
std::string Format(const std::string& format, Numbers... numbers) {
  return FilledText(format, {std::to_string(numbers)...});
}

void Intersect(TMacroButton& summary, const TMacroButton& key) {
  if (summary.Func != key.Func) summary.Func = kFuncNone;
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    TMacros& common = summary.Layers[layer];
    const TMacros& other = key.Layers[layer];
    for (size_t side = 0; side < 2; ++side) {
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

std::string KeyHint(const TKeyNote& note, const TextTranslator& translate) {
  std::string text = note.KeyNote;
  if (text.size() > kHintLineLength) {
    text = text.substr(0, kHintLineLength) + "\n" + text.substr(kHintLineLength);
  }
  text = Cp1251ToUtf8(text);
  const std::string mark = Cp1251ToUtf8(note.Mark);
  if (mark.empty()) return text;
  const std::string bookmark = Translated(translate, kCellBookmark) + " (" + mark + ")";
  if (text.empty()) return bookmark;
  return Translated(translate, kCellNote) + " (" + text + ")\n" + bookmark;
}

std::string PositionText(const TRect& selection, const TextTranslator& translate) {
  if (selection.Width() == 1 && selection.Height() == 1) {
    return Format("(%1,%2)", selection.Left, selection.Top);
  }
  return Format(Translated(translate, kBlockSizeFormat), selection.Width(), selection.Height());
}

std::string SelectionCaption(const TRect& selection, const TextTranslator& translate) {
  if (selection.Width() == 1 && selection.Height() == 1) {
    return Translated(translate, kOneKeyCaption) + PositionText(selection, translate);
  }
  return Format(Translated(translate, kBlockCaptionFormat), selection.Left, selection.Top, selection.Right,
                selection.Bottom);
}

std::string MoveText(const TRect& source, const TRect& target, const TextTranslator& translate) {
  if (source.Width() == 1 && source.Height() == 1) {
    return Format(Translated(translate, kMoveKeyFormat), source.Left, source.Top, target.Left, target.Top);
  }
  return Format("(%1,%2)(%3,%4)", source.Left, source.Top, source.Right, source.Bottom) +
         Translated(translate, kMoveBlockSeparator) +
         Format("(%1,%2)(%3,%4)", target.Left, target.Top, target.Right, target.Bottom);
}

std::string CellSequenceText(const std::string& sequence, KeyLanguage language,
                             const TextTranslator& translate) {
  const std::string text = SequenceToText(sequence, kNoTextLimit, language, true);
  if (text.find_first_not_of(' ') == std::string::npos) return Translated(translate, kCellNothingShown);
  return text;
}

std::string CellInformation(const TVL2Document& document, int column, int row,
                            KeyLanguage language, const TextTranslator& translate) {
  std::string text;
  auto line = [&text, &translate](const char* name, const std::string& value) {
    text += Translated(translate, name) + ": " + value + "\n";
  };
  if (const TKeyNote* note = document.GetNote(column, row)) {
    if (!note->KeyNote.empty()) line(kCellNote, Cp1251ToUtf8(note->KeyNote));
    if (!note->Mark.empty()) line(kCellBookmark, Cp1251ToUtf8(note->Mark));
  }
  const TGroupCell group = document.GetGroup(column, row);
  if (group.IsGrouped()) {
    line(kCellGroup, Format("(%1,%2)-(%3,%4)", group.Left, group.Top, group.Right, group.Bottom));
    line(kCellMasterKey, Format("(%1,%2)", group.MasterCol, group.MasterRow));
  }
  const TMacroButton* key = document.GetKey(column, row);
  if (!key || key->Func > kFuncShiftToLayer0 + 3) return text;
  line(kCellFunction, Translated(translate, kFuncCaptions[key->Func]));
  if (key->Func != kFuncMacro) return text;
  for (size_t layer = 0; layer < kLayerCount; ++layer) {
    const TMacros& block = key->Layers[layer];
    if (block.IsEmpty()) continue;
    text += "\n" + Translated(translate, kCellLayer) + std::to_string(layer) + "\n";
    if (!block.Macro[0].empty()) line(kCellPress, CellSequenceText(block.Macro[0], language, translate));
    if (!block.Macro[1].empty()) line(kCellRelease, CellSequenceText(block.Macro[1], language, translate));
    if (block.AutoRepeat & 1) line(kCellAutoRepeat, Translated(translate, kCellYes));
    if (block.Click != 0) line(kCellClick, Format(Translated(translate, kCellClickFormat), block.Click / 10, block.Click % 10));
    if (!block.Note.empty()) line(kCellLayerNote, Cp1251ToUtf8(block.Note));
  }
  return text;
}

std::string CellSpokenText(const TVL2Document& document, int column, int row, int shownLayer,
                           KeyLanguage language, const TextTranslator& translate) {
  std::vector<std::string> parts;
  auto part = [&parts, &translate](const char* name, const std::string& value) {
    parts.push_back(Translated(translate, name) + ": " + value);
  };
  auto layerParts = [&](const TMacros& block) {
    if (!block.Macro[0].empty()) part(kCellPress, CellSequenceText(block.Macro[0], language, translate));
    if (!block.Macro[1].empty()) part(kCellRelease, CellSequenceText(block.Macro[1], language, translate));
  };
  const TMacroButton* key = document.GetKey(column, row);
  if (key && IsLayerSwitch(key->Func)) {
    parts.push_back(Translated(translate, kFuncCaptions[key->Func]));
  } else if (key && key->Func == kFuncMacro && shownLayer >= 0 && shownLayer < static_cast<int>(kLayerCount)) {
    layerParts(key->Layers[static_cast<size_t>(shownLayer)]);
  } else if (key && key->Func == kFuncMacro) {
    for (size_t layer = 0; layer < kLayerCount; ++layer) {
      const TMacros& block = key->Layers[layer];
      if (block.Macro[0].empty() && block.Macro[1].empty()) continue;
      parts.push_back(Translated(translate, kCellLayer) + std::to_string(layer));
      layerParts(block);
    }
  }
  if (const TKeyNote* note = document.GetNote(column, row)) {
    if (!note->KeyNote.empty()) part(kCellNote, Cp1251ToUtf8(note->KeyNote));
    if (!note->Mark.empty()) part(kCellBookmark, Cp1251ToUtf8(note->Mark));
  }
  std::string text;
  for (const std::string& one : parts) text += (text.empty() ? "" : "; ") + one;
  return text;
}

}  // namespace vl
