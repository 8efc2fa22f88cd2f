#include "core/text/KeyTexts.h"

#include <array>

#include "core/text/ScanCode.h"

namespace vl {

namespace {

struct KeyTextRow {
  uint8_t Set2;
  const char* Extended;  // with the E0 prefix
  const char* Texts[3];  // English, Russian, Ukrainian
};

#define SAME(code, text) {code, text, {text, text, text}}
#define E0ALT(code, e0, text) {code, e0, {text, text, text}}
#define CYR(code, en, cyr) {code, en, {en, cyr, cyr}}

// In the order of the set-1 codes 01..53, 56, 57, 58, 5B, 5C, 5D, 54.
constexpr std::array<KeyTextRow, kKeyCount> kRows = {{
    SAME(0x76, "Esc"), SAME(0x16, "1"), SAME(0x1E, "2"), SAME(0x26, "3"), SAME(0x25, "4"),
    SAME(0x2E, "5"), SAME(0x36, "6"), SAME(0x3D, "7"), SAME(0x3E, "8"), SAME(0x46, "9"),
    SAME(0x45, "0"), SAME(0x4E, "-"), SAME(0x55, "="), SAME(0x66, "BackSpace"), SAME(0x0D, "Tab"),
    CYR(0x15, "q", "й"), CYR(0x1D, "w", "ц"), CYR(0x24, "e", "у"), CYR(0x2D, "r", "к"),
    CYR(0x2C, "t", "е"), CYR(0x35, "y", "н"), CYR(0x3C, "u", "г"), CYR(0x43, "i", "ш"),
    CYR(0x44, "o", "щ"), CYR(0x4D, "p", "з"), CYR(0x54, "[", "х"),
    {0x5B, "]", {"]", "ъ", "ї"}},
    E0ALT(0x5A, "<Enter>", "Enter"), E0ALT(0x14, "RControl", "LControl"),
    CYR(0x1C, "a", "ф"),
    {0x1B, "s", {"s", "ы", "і"}},
    CYR(0x23, "d", "в"), CYR(0x2B, "f", "а"), CYR(0x34, "g", "п"), CYR(0x33, "h", "р"),
    CYR(0x3B, "j", "о"), CYR(0x42, "k", "л"), CYR(0x4B, "l", "д"), CYR(0x4C, ";", "ж"),
    {0x52, "'", {"'", "э", "є"}},
    CYR(0x0E, "~", "ё"), SAME(0x12, "LShift"), SAME(0x5D, "\\"),
    CYR(0x1A, "z", "я"), CYR(0x22, "x", "ч"), CYR(0x21, "c", "с"), CYR(0x2A, "v", "м"),
    CYR(0x32, "b", "и"), CYR(0x31, "n", "т"), CYR(0x3A, "m", "ь"), CYR(0x41, ",", "б"),
    CYR(0x49, ".", "ю"),
    {0x4A, "</>", {"/", ".", "."}},
    SAME(0x59, "RShift"), E0ALT(0x7C, "PrintScreen", "<*>"), E0ALT(0x11, "RAlt", "LAlt"),
    SAME(0x29, " "), SAME(0x58, "Caps"),
    SAME(0x05, "F1"), SAME(0x06, "F2"), SAME(0x04, "F3"), SAME(0x0C, "F4"), SAME(0x03, "F5"),
    SAME(0x0B, "F6"), SAME(0x83, "F7"), SAME(0x0A, "F8"), SAME(0x01, "F9"), SAME(0x09, "F10"),
    SAME(0x77, "Num"), E0ALT(0x7E, "Break", "Scroll"),
    E0ALT(0x6C, "Home", "<7>"), E0ALT(0x75, "UpArrow", "<8>"), E0ALT(0x7D, "PgUp", "<9>"),
    SAME(0x7B, "<->"),
    E0ALT(0x6B, "LeftArrow", "<4>"), SAME(0x73, "<5>"), E0ALT(0x74, "RightArrow", "<6>"),
    SAME(0x79, "<+>"),
    E0ALT(0x69, "End", "<1>"), E0ALT(0x72, "DownArrow", "<2>"), E0ALT(0x7A, "PgDn", "<3>"),
    E0ALT(0x70, "Ins", "<Ins>"), E0ALT(0x71, "Del", "<Del>"),
    SAME(0x61, "None"), SAME(0x78, "F11"), SAME(0x07, "F12"),
    SAME(0x1F, "LStart"), SAME(0x27, "RStart"), SAME(0x2F, "PopupMenu"), SAME(0x84, "PrintScreen"),
}};

#undef SAME
#undef E0ALT
#undef CYR

// Set-2 code -> row index + 1 (0: no key). Set-2 codes of the table are below 0x85.
constexpr std::array<uint8_t, 0x85> MakeRowIndex() {
  std::array<uint8_t, 0x85> index{};
  for (size_t i = 0; i < kRows.size(); ++i) index[kRows[i].Set2] = static_cast<uint8_t>(i + 1);
  return index;
}

constexpr std::array<uint8_t, 0x85> kRowIndex = MakeRowIndex();

const KeyTextRow* FindRow(uint8_t set2Code) {
  if (set2Code >= kRowIndex.size() || kRowIndex[set2Code] == 0) return nullptr;
  return &kRows[kRowIndex[set2Code] - 1];
}

// The letters the case rule knows, lower and upper (UTF-8).
struct LetterPair {
  std::string_view Lower;
  std::string_view Upper;
};

constexpr std::array<LetterPair, 4> kCyrillicExtras = {{
    {"ё", "Ё"}, {"і", "І"}, {"є", "Є"}, {"ї", "Ї"}}};

// The upper-case form of a one-letter text; nullopt when the text is no such letter.
std::optional<std::string> UpperLetter(std::string_view text) {
  if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'z') {
    return std::string(1, static_cast<char>(text[0] - 'a' + 'A'));
  }
  // а..я are U+0430..U+044F; upper case is U+0410..U+042F.
  if (text.size() == 2) {
    const auto b0 = static_cast<unsigned char>(text[0]);
    const auto b1 = static_cast<unsigned char>(text[1]);
    const unsigned cp = ((b0 & 0x1Fu) << 6) | (b1 & 0x3Fu);
    if ((b0 & 0xE0u) == 0xC0u && (b1 & 0xC0u) == 0x80u && cp >= 0x430 && cp <= 0x44F) {
      const unsigned up = cp - 0x20;
      return std::string{static_cast<char>(0xC0 | (up >> 6)), static_cast<char>(0x80 | (up & 0x3F))};
    }
  }
  for (const auto& pair : kCyrillicExtras) {
    if (text == pair.Lower) return std::string(pair.Upper);
  }
  return std::nullopt;
}

std::string LowerLetter(std::string_view text) {
  if (text.size() == 1 && text[0] >= 'A' && text[0] <= 'Z') {
    return std::string(1, static_cast<char>(text[0] - 'A' + 'a'));
  }
  if (text.size() == 2) {
    const auto b0 = static_cast<unsigned char>(text[0]);
    const auto b1 = static_cast<unsigned char>(text[1]);
    const unsigned cp = ((b0 & 0x1Fu) << 6) | (b1 & 0x3Fu);
    if ((b0 & 0xE0u) == 0xC0u && (b1 & 0xC0u) == 0x80u && cp >= 0x410 && cp <= 0x42F) {
      const unsigned low = cp + 0x20;
      return std::string{static_cast<char>(0xC0 | (low >> 6)), static_cast<char>(0x80 | (low & 0x3F))};
    }
  }
  for (const auto& pair : kCyrillicExtras) {
    if (text == pair.Upper) return std::string(pair.Lower);
  }
  return std::string(text);
}

bool IsLeadByte(char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }

size_t CodePoints(std::string_view text) {
  size_t count = 0;
  for (char c : text) {
    if (IsLeadByte(c)) ++count;
  }
  return count;
}

// Appends piece to out, keeping out within maxChars code points.
void AppendLimited(std::string& out, size_t& outChars, std::string_view piece, size_t maxChars) {
  for (size_t i = 0; i < piece.size(); ++i) {
    if (IsLeadByte(piece[i])) {
      if (outChars == maxChars) return;
      ++outChars;
    }
    out.push_back(piece[i]);
  }
}

constexpr uint8_t kLeftShift = 0x12;
constexpr uint8_t kRightShift = 0x59;
constexpr uint8_t kCapsLock = 0x58;
constexpr uint8_t kNumLock = 0x77;

}  // namespace

KeyLanguage KeyLanguageFromSetting(uint8_t value) {
  return value <= 2 ? static_cast<KeyLanguage>(value) : KeyLanguage::English;
}

std::string KeyText(uint8_t set2Code, bool extended, KeyLanguage language,
                    const KeyCaseState& state) {
  const KeyTextRow* row = FindRow(set2Code);
  if (row == nullptr) return {};
  const std::string_view text =
      extended ? row->Extended : row->Texts[static_cast<size_t>(language)];
  const bool shift = state.LeftShift || state.RightShift;
  if (state.CapsLock != shift) {
    if (auto upper = UpperLetter(text)) return *upper;
  }
  return std::string(text);
}

std::optional<uint8_t> KeyForCharacter(std::string_view utf8Character, KeyLanguage language) {
  if (utf8Character.empty() || CodePoints(utf8Character) != 1) return std::nullopt;
  const std::string wanted = LowerLetter(utf8Character);
  for (const auto& row : kRows) {
    if (row.Texts[static_cast<size_t>(language)] == wanted) return row.Set2;
  }
  return std::nullopt;
}

std::string SequenceToText(std::string_view sequence, size_t maxChars, KeyLanguage language,
                           bool addFunctionKeys) {
  std::string out;
  size_t outChars = 0;
  KeyCaseState state;
  bool extended = false;
  bool release = false;

  for (size_t i = 0; i < sequence.size() && outChars < maxChars; ++i) {
    const auto byte = static_cast<uint8_t>(sequence[i]);
    if (byte == kScanExtended) {
      extended = true;
      continue;
    }
    if (byte == kScanBreak) {
      release = true;
      continue;
    }
    if (byte == kScanWait) {
      if (i + 1 >= sequence.size()) break;
      const int tenths = static_cast<uint8_t>(sequence[++i]) - kWaitBase;
      if (addFunctionKeys && tenths >= 0) {
        AppendLimited(out, outChars,
                      "[" + std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + "c]",
                      maxChars);
      }
      extended = release = false;
      continue;
    }
    if (byte == kScanPausePrefix) {
      if (addFunctionKeys) AppendLimited(out, outChars, "[Pause]", maxChars);
      i += kPauseKeySequence.size() - 1;
      extended = release = false;
      continue;
    }

    const bool wasExtended = extended;
    const bool wasRelease = release;
    extended = release = false;
    if (!wasExtended && (byte == kLeftShift || byte == kRightShift)) {
      (byte == kLeftShift ? state.LeftShift : state.RightShift) = !wasRelease;
    }
    if (wasRelease || byte == kLeftShift || byte == kRightShift) continue;
    if (!wasExtended && byte == kCapsLock) state.CapsLock = !state.CapsLock;
    if (!wasExtended && byte == kNumLock) state.NumLock = !state.NumLock;

    const std::string text = KeyText(byte, wasExtended, language, state);
    if (text.empty()) continue;
    if (CodePoints(text) == 1) {
      AppendLimited(out, outChars, text, maxChars);
    } else if (addFunctionKeys) {
      AppendLimited(out, outChars, "[" + text + "]", maxChars);
    }
  }
  return out;
}

}  // namespace vl
