#pragma once
// What the key grid shows in words: the selection summary, the hint of a key, the
// position and move texts of the status bar and the cell information. Qt-free so
// the rules can be tested without a screen. Returned texts are UTF-8.

#include <string>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/document/KeyNote.h"
#include "core/document/MacroButton.h"
#include "core/document/VL2Document.h"
#include "core/text/KeyTexts.h"

namespace vl {

// The words of the texts below; each function passes them through its translator.
inline constexpr const char* kCellNote = VL_TEXT("core", "Примечание");
inline constexpr const char* kCellBookmark = VL_TEXT("core", "Закладка");
inline constexpr const char* kCellGroup = VL_TEXT("core", "Группа");
inline constexpr const char* kCellMasterKey = VL_TEXT("core", "Мастер-клавиша");
inline constexpr const char* kCellFunction = VL_TEXT("core", "Действие");
inline constexpr const char* kCellLayer = VL_TEXT("core", "Уровень ");
inline constexpr const char* kCellPress = VL_TEXT("core", "Нажатие");
inline constexpr const char* kCellRelease = VL_TEXT("core", "Отжатие");
inline constexpr const char* kCellAutoRepeat = VL_TEXT("core", "Автоповтор");
inline constexpr const char* kCellYes = VL_TEXT("core", "да");
inline constexpr const char* kCellClick = VL_TEXT("core", "Щелчок");
inline constexpr const char* kCellClickFormat = VL_TEXT("core", "%1,%2c");
inline constexpr const char* kCellLayerNote = VL_TEXT("core", "Примечание уровня");
inline constexpr const char* kCellNothingShown = VL_TEXT("core", "СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ");
inline constexpr const char* kBlockSizeFormat = VL_TEXT("core", "размер (%1,%2)");
inline constexpr const char* kOneKeyCaption = VL_TEXT("core", "Клавиша ");
inline constexpr const char* kBlockCaptionFormat = VL_TEXT("core", "Клавиши (%1,%2)-(%3,%4)");
inline constexpr const char* kMoveKeyFormat = VL_TEXT("core", "(%1,%2) в (%3,%4)");
inline constexpr const char* kMoveBlockSeparator = VL_TEXT("core", " в ");

// What all keys of the block have in common: the top-left key's records, with
// every field that differs in another key cleared (a differing function becomes
// kFuncNone). Keys without a record count as empty records.
struct SelectionSummary {
  TMacroButton Key;
  TKeyNote Note;
};
SelectionSummary SummarizeSelection(const TVL2Document& document, const TRect& block);

// The tooltip of a key: the note (broken after 75 characters) and the bookmark.
// Empty when the key has neither. The note record is code page 1251.
std::string KeyHint(const TKeyNote& note, const TextTranslator& translate = {});

// "(c,r)" for one cell, "размер (w,h)" for a block.
std::string PositionText(const TRect& selection, const TextTranslator& translate = {});
// "Клавиша (c,r)" or "Клавиши (l,t)-(r,b)": the key function window's caption.
std::string SelectionCaption(const TRect& selection, const TextTranslator& translate = {});
// "(c,r) в (c,r)" for one cell, "(l,t)(r,b) в (l,t)(r,b)" for a block.
std::string MoveText(const TRect& source, const TRect& target,
                     const TextTranslator& translate = {});

// The text of a sequence in the cell information: its conversion, or
// "СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ" when the sequence shows nothing.
std::string CellSequenceText(const std::string& sequence, KeyLanguage language,
                             const TextTranslator& translate = {});
// What a screen reader says of the key at (column, row) with layer shown (0 to 3,
// 4 for all): the function of a layer-switching key, or the press and release
// texts of the shown layer (of each non-empty layer when all are shown), then
// the note and the bookmark; parts joined by "; ". Empty for a key with nothing.
std::string CellSpokenText(const TVL2Document& document, int column, int row, int shownLayer,
                           KeyLanguage language, const TextTranslator& translate = {});
// The cell information of (column, row) as lines of "name: value" for the dock.
std::string CellInformation(const TVL2Document& document, int column, int row,
                            KeyLanguage language, const TextTranslator& translate = {});

}  // namespace vl
