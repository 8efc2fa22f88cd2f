#pragma once
// The key display table and the one conversion of set-2 sequences to text that the
// grid, the code-sequence lines, the cell information window, the test window and
// the key image all use. Texts returned here are UTF-8.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

// Setting "layout": the language of key texts.
enum class KeyLanguage : uint8_t { English = 0, Russian = 1, Ukrainian = 2 };

// A stored "layout" byte as a language; values beyond 2 read as English.
KeyLanguage KeyLanguageFromSetting(uint8_t value);

// The four state bytes of the case rule, in their order.
struct KeyCaseState {
  bool LeftShift = false;
  bool RightShift = false;
  bool NumLock = true;
  bool CapsLock = false;
};

// The text of a key: for extended (E0-prefixed) codes the table's E0 text, else the
// text of the language. A one-letter text is upper case when Caps Lock is on and
// no Shift is held, or Caps Lock is off and a Shift is held. Empty for a code that
// is not in the table.
std::string KeyText(uint8_t set2Code, bool extended, KeyLanguage language,
                    const KeyCaseState& state = {});

// The set-2 code of the key whose text in the language's column is this one
// character (letter case ignored); nullopt when no key has it. Plain-text paste
// turns characters into keys this way.
std::optional<uint8_t> KeyForCharacter(std::string_view utf8Character, KeyLanguage language);

inline constexpr size_t kNoTextLimit = std::numeric_limits<size_t>::max();

// A set-2 sequence as text, at most maxChars characters (code points):
// - walked with the case state of a freshly reset keyboard (Num Lock on, Caps Lock
//   off); Shift makes and breaks (12, 59) set and clear the Shift states, each
//   press of Caps Lock (58) or Num Lock (77) toggles its lock;
// - only presses give text; releases give none, nor do the keyboard's added shifts
//   (E0 12, E0 59);
// - a key whose text is one character (letters, digits, punctuation, space)
//   appends that character with the case rule applied;
// - a key with a longer text (Enter, F1, Caps, <7> ...) is a control key: with
//   addFunctionKeys it appends "[" text "]", otherwise nothing; Shift is never
//   named, its effect shows as letter case;
// - a pause FF, 80 + n appends "[n/10 c]" written "[0,5c]" with addFunctionKeys,
//   otherwise nothing; the Pause key (E1 and its 7 bytes) appends "[Pause]" with
//   addFunctionKeys, otherwise nothing;
// - codes outside the table give nothing; a truncated sequence ends quietly.
// The result is cut after maxChars characters, even inside a bracketed name.
std::string SequenceToText(std::string_view sequence, size_t maxChars, KeyLanguage language,
                           bool addFunctionKeys);

}  // namespace vl
