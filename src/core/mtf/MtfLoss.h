#pragma once
// What an export to Macro Text Format cannot carry: one record per key (or card
// reader track), layer and kind of loss, so that the export can finish and then
// tell the user in one message what the text lacks.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

enum class MtfLossKind : uint8_t {
  UnnamedCode,       // a key code the language has no name for (Codes)
  NoKeyCode,         // bytes that make neither a key code nor a pause (Codes)
  LayerNote,         // a layer's note (a track's, on the card reader)
  KeyNote,
  Bookmark,
  Group,             // reported at the group's top-left key
  NoFunction,        // a key without a function that holds data
  SwitchKeyContent,  // a layer of a layer-switching key that is not empty
  Click,             // a click above 6 (Value): no click is written
  AutoRepeat,        // bits other than bit 0 (Value, and Written: bit 0)
  NoTrack,           // a card reader with no track enabled reads back with all four
  OutputFlags,       // a track's click byte other than the first track's output flags
                     // (Value, and Written: what every track reads back)
};

inline constexpr int kMtfWholeKey = -1;  // Layer of a loss that is not one layer's

struct MtfLoss {
  int Column = 0;  // 0 (and Row 0): the card reader
  int Row = 0;
  int Layer = kMtfWholeKey;  // layer 0..3 of a key, track 1..4 of the card reader
  MtfLossKind Kind = MtfLossKind::UnnamedCode;
  std::string Codes;  // the bytes, for UnnamedCode (with its E0) and NoKeyCode
  int Value = 0;    // the value held
  int Written = 0;  // the value the text carries instead
  bool operator==(const MtfLoss&) const = default;

  bool IsCardReader() const { return Column == 0; }
};

// The messages, composed when shown so that each piece is translated first.
inline constexpr char kMtfLossAtKeyLayer[] = VL_TEXT("core", "клавиша (%1,%2) уровень %3: %4");
inline constexpr char kMtfLossAtKey[] = VL_TEXT("core", "клавиша (%1,%2): %3");
inline constexpr char kMtfLossAtTrack[] = VL_TEXT("core", "считыватель, дорожка %1: %2");
inline constexpr char kMtfLossAtCardReader[] = VL_TEXT("core", "считыватель: %1");
inline constexpr char kMtfLossUnnamedCode[] = VL_TEXT("core", "код %1 (%2) не имеет имени в Macro Text Format");
inline constexpr char kMtfLossUnknownCode[] = VL_TEXT("core", "код %1 не имеет имени в Macro Text Format");
inline constexpr char kMtfLossNoKeyCode[] = VL_TEXT("core", "байты %1 не составляют ни кода клавиши, ни паузы");
inline constexpr char kMtfLossLayerNote[] = VL_TEXT("core", "примечание уровня не записывается");
inline constexpr char kMtfLossKeyNote[] = VL_TEXT("core", "примечание клавиши не записывается");
inline constexpr char kMtfLossBookmark[] = VL_TEXT("core", "закладка не записывается");
inline constexpr char kMtfLossGroup[] = VL_TEXT("core", "группа клавиш не записывается");
inline constexpr char kMtfLossNoFunction[] = VL_TEXT("core", "клавиша без функции не записывается");
inline constexpr char kMtfLossSwitchKeyContent[] = VL_TEXT("core", "содержимое уровня клавиши перехода не записывается");
inline constexpr char kMtfLossClick[] = VL_TEXT("core", "клик %1 не записывается");
inline constexpr char kMtfLossAutoRepeat[] = VL_TEXT("core", "автоповтор %1 записывается как %2");
inline constexpr char kMtfLossNoTrack[] = VL_TEXT("core", "ни одна дорожка не включена, при чтении включатся все четыре");
inline constexpr char kMtfLossOutputFlags[] = VL_TEXT("core", "флаги вывода %1 записываются как %2");
inline constexpr char kMtfLossesHeading[] = VL_TEXT("core", "Экспорт в Macro Text Format выполнен. В файл не вошло:");
inline constexpr char kMtfLossesMore[] = VL_TEXT("core", "и ещё %1");

// Names of the keys whose codes the language cannot write, to say which key it is.
inline constexpr char kKeyLeftWindows[] = VL_TEXT("core", "левая Windows");
inline constexpr char kKeyRightWindows[] = VL_TEXT("core", "правая Windows");
inline constexpr char kKeyMenu[] = VL_TEXT("core", "клавиша меню");
inline constexpr char kKey102nd[] = VL_TEXT("core", "102-я клавиша");
inline constexpr char kKeySysRq[] = VL_TEXT("core", "SysRq");
inline constexpr char kKeyAddedShift[] = VL_TEXT("core", "добавленный Shift");
inline constexpr char kKeyBreak[] = VL_TEXT("core", "Break");
inline constexpr char kKeyPrintScreen[] = VL_TEXT("core", "Print Screen");

// The bytes as written in messages: two hexadecimal digits each, space separated.
std::string MtfLossCodesText(std::string_view codes);

// One loss as a line: where, then what.
std::string MtfLossText(const MtfLoss& loss, const TextTranslator& translate = {});

// The one message shown after an export: the heading and a line per loss, at most
// maxLines of them and then how many more there are.
std::string MtfLossesMessage(const std::vector<MtfLoss>& losses, const TextTranslator& translate = {},
                             size_t maxLines = 40);

// The kind as scripts read it (vlat-cli --json): "unnamed-code", "layer-note" ...
std::string_view MtfLossKindName(MtfLossKind kind);

}  // namespace vl
