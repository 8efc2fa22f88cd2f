#pragma once
// A stored sequence seen as key events: one per make or break (and one for the
// Pause key element), each with the pause that stands right before it. The
// code-sequence line draws one cell per event and the pause window edits the
// pauses between them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/text/KeyTexts.h"
#include "core/text/ScanCode.h"

namespace vl {

struct KeyEvent {
  size_t Offset = 0;      // first byte (E0/F0 prefixes included)
  size_t Length = 0;      // bytes of the event
  uint8_t Code = 0;       // set-2 code; 0 for the Pause key
  bool Extended = false;
  bool Release = false;
  bool PauseKey = false;  // the E1 element of the Pause key
  bool AfterPause = false;  // a pause element ends right at Offset
  int Wait = 0;           // tenths of that pause (0 when there is none)
};

// The events of a sequence in order. A pause not followed by a key and a
// truncated element at the end are left out.
std::vector<KeyEvent> ParseKeyEvents(std::string_view sequence);

// The lock states a sequence starts from.
struct LockStates {
  bool NumLock = true;
  bool CapsLock = false;
  bool operator==(const LockStates&) const = default;
};

// The text of every event as the line shows it: the key display table's text
// with the Shift and lock states in force at that event, "Отжатие " before a
// release (through the translator), "Pause" for the Pause key and the
// hexadecimal code of a key the table does not know.
std::vector<std::string> KeyEventTexts(const std::vector<KeyEvent>& events, KeyLanguage language,
                                       LockStates start, const TextTranslator& translate = {});

inline constexpr const char* kReleasePrefix = VL_TEXT("core", "Отжатие ");

}  // namespace vl
