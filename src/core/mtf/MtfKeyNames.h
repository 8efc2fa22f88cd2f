#pragma once
// The key names of Macro Text Format: the reader's 101 key-name commands with their
// press and release codes, the characters of \text, and the writer's own
// code-to-name table.

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

// The writer's name for a set-2 code (lower case, the E0 prefix does not change
// it). Empty for a code the writer cannot name: such codes are left out of the
// text rather than written as a bare backslash that no reader accepts.
std::string_view WriterKeyName(uint8_t code);

}  // namespace vl
