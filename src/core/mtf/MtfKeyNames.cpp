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

// The look-ups of the writer, built once: the export names millions of codes.
struct WriterIndex {
  std::array<int16_t, 512> ByCode;  // [extended * 256 + code]
  std::array<std::string, kMtfKeyNameCount> LowerNames;
  int PrintScreen = -1;
  int Pause = -1;

  WriterIndex() {
    ByCode.fill(-1);
    for (int i = kMtfKeyNameCount - 1; i >= 0; --i) {
      const MtfKeyName& key = kNames[static_cast<size_t>(i)];
      for (char c : key.Name) LowerNames[static_cast<size_t>(i)] += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      const auto first = static_cast<uint8_t>(key.Press[0]);
      if (key.Press.size() == 1) {
        ByCode[first] = static_cast<int16_t>(i);
      } else if (key.Press.size() == 2 && first == kScanExtended) {
        ByCode[256 + static_cast<uint8_t>(key.Press[1])] = static_cast<int16_t>(i);
      } else if (first == kScanPausePrefix) {
        Pause = i;
      } else {
        PrintScreen = i;
      }
    }
  }
};

const WriterIndex& Index() {
  static const WriterIndex kIndex;
  return kIndex;
}

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

int MtfKeyNameOfCode(bool extended, uint8_t code) { return Index().ByCode[(extended ? 256u : 0u) + code]; }

std::string_view MtfWrittenName(int keyIndex) { return Index().LowerNames[static_cast<size_t>(keyIndex)]; }

int MtfPrintScreenIndex() { return Index().PrintScreen; }

int MtfPauseIndex() { return Index().Pause; }

}  // namespace vl
