#include "sim/CardSwipe.h"

#include <string_view>

#include "core/document/MacroButton.h"
#include "core/text/KeyTexts.h"
#include "core/text/ScanCode.h"

namespace vl::sim {

namespace {

constexpr uint8_t kLeftShift = 0x12;
// The US layout's shifted symbols and the characters on the same keys.
constexpr std::string_view kShifted = "!@#$%^&*()_+{}:\"|<>?";
constexpr std::string_view kUnshifted = "1234567890-=[];'\\,./";

void TypeKey(std::string& keys, uint8_t code) {
  keys.push_back(static_cast<char>(code));
  keys.push_back(static_cast<char>(kScanBreak));
  keys.push_back(static_cast<char>(code));
}

void TypeCharacter(std::string& keys, char c) {
  bool shift = c >= 'A' && c <= 'Z';
  if (const auto at = kShifted.find(c); at != std::string_view::npos) {
    c = kUnshifted[at];
    shift = true;
  }
  const auto code = KeyForCharacter(std::string(1, c), KeyLanguage::English);
  if (!code) return;
  if (shift) keys.push_back(static_cast<char>(kLeftShift));
  TypeKey(keys, *code);
  if (shift) {
    keys.push_back(static_cast<char>(kScanBreak));
    keys.push_back(static_cast<char>(kLeftShift));
  }
}

}  // namespace

char StartSymbol(int track) { return track == 1 ? '%' : ';'; }

char LrcCharacter(int track, std::string_view characters) {
  const bool alphanumeric = track == 1;
  const int base = alphanumeric ? 0x20 : 0x30;
  const int mask = alphanumeric ? 0x3F : 0x0F;
  int lrc = 0;
  for (char c : characters) lrc ^= (static_cast<unsigned char>(c) - base) & mask;
  return static_cast<char>(lrc + base);
}

std::string CardTrackKeys(int track, std::string_view text, uint8_t outputFlags) {
  std::string characters;
  if (outputFlags & kCardOutputStartStop) characters += StartSymbol(track);
  characters += text;
  if (outputFlags & kCardOutputStartStop) characters += kStopSymbol;
  if (outputFlags & kCardOutputLrc) characters += LrcCharacter(track, characters);
  std::string keys;
  for (char c : characters) TypeCharacter(keys, c);
  return keys;
}

}  // namespace vl::sim
