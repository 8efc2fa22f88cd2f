#pragma once
// The key names of Macro Text Format: the 101 key-name commands with their press
// and release codes, the characters of \text, and the look-up from a code to its
// name that the writer uses.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

// A key-name command. Press and Release are set-2 bytes in sending order.
struct MtfKeyName {
  std::string_view Name;     // upper case, as the reader compares it
  std::string Press;
  std::string Release;  // empty for PAUSE, which has no release
};

inline constexpr int kMtfKeyNameCount = 101;

// The reader's key-name commands in table order.
const std::array<MtfKeyName, kMtfKeyNameCount>& MtfKeyNames();

// The key-name command that a character of \text stands for (already upper-cased):
// letters and digits name themselves, a few punctuation marks name their keys.
// nullopt for every other character.
std::optional<std::string_view> TextCharacterKeyName(char c);

// The key-name command whose press is this one set-2 code, with or without its
// E0 prefix: an index into MtfKeyNames(), or -1 when the language has no name for
// it. Print Screen and Pause, whose presses are longer sequences, are not found
// this way.
int MtfKeyNameOfCode(bool extended, uint8_t code);

// A key-name command's name as the writer writes it: lower case.
std::string_view MtfWrittenName(int keyIndex);

// Indices of the two key-name commands that stand for whole sequences.
int MtfPrintScreenIndex();
int MtfPauseIndex();

}  // namespace vl
