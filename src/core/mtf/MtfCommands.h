#pragma once
// The command table of Macro Text Format (22 commands and the 101 key-name
// commands) and its symbolic constants.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vl {

enum class MtfCommandId : uint8_t {
  Key, McReader, Down, Up, Header, Terminator, Layout, MoveRect, AutoRepeat, Beep, Lrc,
  SsSymbols, Include, Label, Ref, StandardKey, Text, Wait, Layers, Ibd, KeyBuff,
  AutoCorrectLock, KeyName,
};

struct MtfCommand {
  std::string_view Name;  // upper case
  uint8_t MinParams;
  uint8_t MaxParams;
  MtfCommandId Id;
  int KeyIndex;           // into MtfKeyNames() for KeyName, else -1
};

inline constexpr int kMtfCommandCount = 123;

// The command of a name, its ASCII letters in either case, or nullptr.
const MtfCommand* FindMtfCommand(std::string_view name);

// The value of a symbolic constant (TRUE, MACROS, TOLAYER2, RUSSIAN ...) or nullopt.
std::optional<int> FindMtfConstant(std::string_view upperText);

// The constant names of the key functions 0..10 (MACROS ... SHIFTLAYER3) and of the
// languages 0..2, as the writer uses them.
std::string_view MtfFunctionConstant(uint8_t func);
std::string_view MtfLanguageConstant(uint8_t language);

}  // namespace vl
