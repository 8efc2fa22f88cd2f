#include "core/mtf/MtfKeyNames.h"

#include <array>

#include "core/text/ScanCode.h"

namespace vl {
namespace {

MtfKeyName One(std::string_view name, uint8_t code) {
  const char c = static_cast<char>(code);
  return {name, std::string(1, c), std::string{'\xF0', c}};
}

MtfKeyName Ext(std::string_view name, uint8_t code) {
  const char c = static_cast<char>(code);
  return {name, std::string{'\xE0', c}, std::string{'\xE0', '\xF0', c}};
}

// Print Screen and Pause carry their complete set-2 sequences: a shorter Pause
// would leave a dangling F0 that turns the next code sent into a release.
const std::array<MtfKeyName, kMtfKeyNameCount> kNames = {
    One("0", 0x45), One("1", 0x16), One("2", 0x1E), One("3", 0x26), One("4", 0x25),
    One("5", 0x2E), One("6", 0x36), One("7", 0x3D), One("8", 0x3E), One("9", 0x46),
    One("Q", 0x15), One("W", 0x1D), One("E", 0x24), One("R", 0x2D), One("T", 0x2C),
    One("Y", 0x35), One("U", 0x3C), One("I", 0x43), One("O", 0x44), One("P", 0x4D),
    One("A", 0x1C), One("S", 0x1B), One("D", 0x23), One("F", 0x2B), One("G", 0x34),
    One("H", 0x33), One("J", 0x3B), One("K", 0x42), One("L", 0x4B), One("Z", 0x1A),
    One("X", 0x22), One("C", 0x21), One("V", 0x2A), One("B", 0x32), One("N", 0x31),
    One("M", 0x3A),
    One("TM", 0x0E), One("TAB", 0x0D), One("CAPS", 0x58), One("LEFTSHIFT", 0x12),
    One("LEFTCONTROL", 0x14), One("LEFTALT", 0x11), One("SPACEBAR", 0x29),
    Ext("RIGHTALT", 0x11), Ext("RIGHTCONTROL", 0x14), One("RIGHTSHIFT", 0x59),
    One("ENTER", 0x5A), One("BACKSPACE", 0x66), One("ESC", 0x76),
    One("SQBRACKETOPEN", 0x54), One("SQBRACKETCLOSE", 0x5B), One("DC", 0x4C), One("ST", 0x52),
    One("SLASH", 0x4A), One("CM", 0x41), One("DT", 0x49), One("BACKSLASH", 0x5D),
    One("MINUS", 0x4E), One("EQUAL", 0x55),
    One("F1", 0x05), One("F2", 0x06), One("F3", 0x04), One("F4", 0x0C), One("F5", 0x03),
    One("F6", 0x0B), One("F7", 0x83), One("F8", 0x0A), One("F9", 0x01), One("F10", 0x09),
    One("F11", 0x78), One("F12", 0x07),
    MtfKeyName{"PRINTSCREEN", "\xE0\x12\xE0\x7C", "\xE0\xF0\x7C\xE0\xF0\x12"},
    One("SCROLL", 0x7E), One("NUM", 0x77), Ext("INSERT", 0x70), Ext("DELETE", 0x71),
    Ext("HOME", 0x6C), Ext("END", 0x69), Ext("PAGEUP", 0x7D), Ext("PAGEDOWN", 0x7A),
    Ext("ARROWUP", 0x75), Ext("ARROWLEFT", 0x6B), Ext("ARROWRIGHT", 0x74),
    Ext("ARROWDOWN", 0x72),
    MtfKeyName{"PAUSE", std::string(kPauseKeySequence.begin(), kPauseKeySequence.end()), ""},
    Ext("GREYSLASH", 0x4A), One("GREYMULT", 0x7C), One("GREYMINUS", 0x7B), One("GREY7", 0x6C),
    One("GREY8", 0x75), One("GREY9", 0x7D), One("GREY4", 0x6B), One("GREY5", 0x73),
    One("GREY6", 0x74), One("GREY1", 0x69), One("GREY2", 0x72), One("GREY3", 0x7A),
    One("GREY0", 0x70), One("GREYDT", 0x71), One("GREYPLUS", 0x79), Ext("GREYENTER", 0x5A),
};

struct WriterEntry {
  uint8_t Code;
  std::string_view Name;
};

// Searched front to back, the first match wins (so 7Eh is "scroll" although the
// table names it twice). Codes 29h and 7Eh carry the reader's names "spacebar"
// and "scroll"; the four codes that no key-name command can express (61h, 1Fh,
// 27h, 2Fh) are left without a name.
constexpr std::array<WriterEntry, 90> kWriterTable = {{
    {0x76, "esc"}, {0x16, "1"}, {0x1E, "2"}, {0x26, "3"}, {0x25, "4"}, {0x2E, "5"},
    {0x36, "6"}, {0x3D, "7"}, {0x3E, "8"}, {0x46, "9"}, {0x45, "0"}, {0x4E, "minus"},
    {0x55, "equal"}, {0x66, "backspace"}, {0x0D, "tab"}, {0x15, "q"}, {0x1D, "w"},
    {0x24, "e"}, {0x2D, "r"}, {0x2C, "t"}, {0x35, "y"}, {0x3C, "u"}, {0x43, "i"},
    {0x44, "o"}, {0x4D, "p"}, {0x54, "sqbracketopen"}, {0x5B, "sqbracketclose"},
    {0x5A, "enter"}, {0x14, "rightcontrol"}, {0x1C, "a"}, {0x1B, "s"}, {0x23, "d"},
    {0x2B, "f"}, {0x34, "g"}, {0x33, "h"}, {0x3B, "j"}, {0x42, "k"}, {0x4B, "l"},
    {0x4C, "dc"}, {0x52, "st"}, {0x0E, "tm"}, {0x12, "leftshift"}, {0x5D, "backslash"},
    {0x1A, "z"}, {0x22, "x"}, {0x21, "c"}, {0x2A, "v"}, {0x32, "b"}, {0x31, "n"},
    {0x3A, "m"}, {0x41, "cm"}, {0x49, "dt"}, {0x4A, "slash"}, {0x59, "rightshift"},
    {0x7C, "printscreen"}, {0x11, "rightalt"}, {0x29, "spacebar"}, {0x58, "caps"},
    {0x05, "f1"}, {0x06, "f2"}, {0x04, "f3"}, {0x0C, "f4"}, {0x03, "f5"}, {0x0B, "f6"},
    {0x83, "f7"}, {0x0A, "f8"}, {0x01, "f9"}, {0x09, "f10"}, {0x77, "num"},
    {0x7E, "scroll"}, {0x6C, "home"}, {0x75, "arrowup"}, {0x7D, "pageup"},
    {0x7B, "greyminus"}, {0x6B, "arrowleft"}, {0x73, "grey5"}, {0x74, "arrowright"},
    {0x79, "greyplus"}, {0x69, "end"}, {0x72, "arrowdown"}, {0x7A, "pagedown"},
    {0x70, "insert"}, {0x71, "delete"}, {0x61, ""}, {0x78, "f11"}, {0x07, "f12"},
    {0x1F, ""}, {0x27, ""}, {0x2F, ""}, {0x84, "printscreen"},
}};

// The table searched once per code; the export names millions of codes.
struct WriterIndex {
  std::array<std::string_view, 256> Names{};
  WriterIndex() {
    for (auto it = kWriterTable.rbegin(); it != kWriterTable.rend(); ++it) Names[it->Code] = it->Name;
  }
};

}  // namespace

const std::array<MtfKeyName, kMtfKeyNameCount>& MtfKeyNames() { return kNames; }

std::optional<std::string_view> TextCharacterKeyName(char c) {
  static const std::string_view kSingles[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  if (c >= '0' && c <= '9') return kSingles[c - '0'];
  if (c >= 'A' && c <= 'Z') {
    static const std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return kLetters.substr(static_cast<size_t>(c - 'A'), 1);
  }
  switch (c) {
    case ' ': return "SPACEBAR";
    case '\'': return "ST";
    case ',': return "CM";
    case '-': return "MINUS";
    case '.': return "DT";
    case '/': return "SLASH";
    case ';': return "DC";
    case '=': return "EQUAL";
    case '[': return "SQBRACKETOPEN";
    case ']': return "SQBRACKETCLOSE";
    case '`': return "TM";
    default: return std::nullopt;
  }
}

std::string_view WriterKeyName(uint8_t code) {
  static const WriterIndex kIndex;
  return kIndex.Names[code];
}

}  // namespace vl
