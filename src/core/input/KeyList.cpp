#include "core/input/KeyList.h"

#include "core/text/ScanCode.h"

namespace vl {
namespace {

constexpr ListedKey Key(const char* name, uint8_t code) { return {name, code, false}; }
constexpr ListedKey E0Key(const char* name, uint8_t code) { return {name, code, true}; }

// Print Screen and keypad Enter carry E0 here as they do when pressed, so the
// list adds what typing the key records.
constexpr std::array<ListedKey, kListedKeyCount> kKeys = {{
    E0Key(kKeyRightControl, 0x14), Key(kKeyLeftControl, 0x14), E0Key(kKeyRightAlt, 0x11),
    Key(kKeyLeftAlt, 0x11), Key(kKeyRightShift, 0x59), Key(kKeyLeftShift, 0x12), Key("Tab", 0x0D),
    Key("Esc", 0x76), Key("Enter", 0x5A), Key(kKeySpace, 0x29), E0Key("Insert", 0x70),
    E0Key("Delete", 0x71), E0Key("Home", 0x6C), E0Key("End", 0x69), E0Key("PgUp", 0x7D),
    E0Key("PgDown", 0x7A), E0Key("PrintScreen", 0x7C), Key("Caps Lock", 0x58),
    Key("Num Lock", 0x77), Key("Scrool Lock", 0x7E), E0Key(kKeyUp, 0x75),
    E0Key(kKeyDown, 0x72), E0Key(kKeyLeft, 0x6B), E0Key(kKeyRight, 0x74),
    Key(kKeyRightStart, 0x27), Key(kKeyLeftStart, 0x1F), Key(kKeyFunctionMenu, 0x2F),
    Key("F1", 0x05), Key("F2", 0x06), Key("F3", 0x04), Key("F4", 0x0C), Key("F5", 0x03),
    Key("F6", 0x0B), Key("F7", 0x83), Key("F8", 0x0A), Key("F9", 0x01), Key("F10", 0x09),
    Key("F11", 0x78), Key("F12", 0x07),
    Key("a", 0x1C), Key("b", 0x32), Key("c", 0x21), Key("d", 0x23), Key("e", 0x24), Key("f", 0x2B),
    Key("g", 0x34), Key("h", 0x33), Key("i", 0x43), Key("j", 0x3B), Key("k", 0x42), Key("l", 0x4B),
    Key("m", 0x3A), Key("n", 0x31), Key("o", 0x44), Key("p", 0x4D), Key("q", 0x15), Key("r", 0x2D),
    Key("s", 0x1B), Key("t", 0x2C), Key("u", 0x3C), Key("v", 0x2A), Key("w", 0x1D), Key("x", 0x22),
    Key("y", 0x35), Key("z", 0x1A),
    Key("1", 0x16), Key("2", 0x1E), Key("3", 0x26), Key("4", 0x25), Key("5", 0x2E), Key("6", 0x36),
    Key("7", 0x3D), Key("8", 0x3E), Key("9", 0x46), Key("0", 0x45),
    Key("-", 0x4E), Key("=", 0x55), Key("[", 0x54), Key("]", 0x5B), Key(";", 0x4C), Key("'", 0x52),
    Key("~", 0x0E), Key("\\", 0x5D), Key(",", 0x41), Key(".", 0x49), Key("/", 0x4A),
    E0Key("</>", 0x4A), Key("<*>", 0x7C), Key("<->", 0x7B), Key("<+>", 0x79),
    Key("<1>", 0x69), Key("<2>", 0x72), Key("<3>", 0x7A), Key("<4>", 0x6B), Key("<5>", 0x73),
    Key("<6>", 0x74), Key("<7>", 0x6C), Key("<8>", 0x75), Key("<9>", 0x7D),
    Key("<0>", 0x70), Key("<.>", 0x71), E0Key("<Enter>", 0x5A),
}};

}  // namespace

const std::array<ListedKey, kListedKeyCount>& StandardKeys() { return kKeys; }

std::string MakeBytes(const ListedKey& key) {
  std::string bytes;
  if (key.Extended) bytes.push_back(static_cast<char>(kScanExtended));
  bytes.push_back(static_cast<char>(key.Code));
  return bytes;
}

std::string BreakBytes(const ListedKey& key) {
  std::string bytes;
  if (key.Extended) bytes.push_back(static_cast<char>(kScanExtended));
  bytes.push_back(static_cast<char>(kScanBreak));
  bytes.push_back(static_cast<char>(key.Code));
  return bytes;
}

}  // namespace vl
