#pragma once
// The pause window's editing of one line: the keys of the line, each with the
// pause before its make and the pause before its break.

#include <cstddef>
#include <string>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/input/KeyEvents.h"

namespace vl {

inline constexpr const char* kPressPauseTooLongMessage =
    VL_TEXT("core", "Установка паузы перед нажатием приведет к превышению максимального объема строки ввода.");
inline constexpr const char* kReleasePauseTooLongMessage =
    VL_TEXT("core", "Установка паузы перед отжатием приведет к превышению максимального объема строки ввода.");

// A tenths value as the pause and click windows label it: "0,5 c", "1,5 c" (a
// translation puts its own decimal sign and unit: "0.5 s").
inline constexpr const char* kTenthsFormat = VL_TEXT("core", "%1,%2 c");
std::string TenthsText(int tenths, const TextTranslator& translate = {});

// One entry of the key list: a make and the break that releases it, or a make or
// a break alone. Event indices into ParseKeyEvents of the sequence, -1 for none.
struct PauseKey {
  int Make = -1;
  int Break = -1;
  std::string Text;
};

class PauseEditor {
 public:
  // capacity: the most bytes the edited sequence may hold.
  PauseEditor(std::string sequence, size_t capacity, KeyLanguage language, LockStates start);

  const std::vector<PauseKey>& Keys() const { return keys_; }
  const std::string& Sequence() const { return sequence_; }
  bool Changed() const { return sequence_ != original_; }

  // The pause in tenths before the key's make (or break); 0 when there is none
  // or the key has no such event.
  int Pause(int key, bool beforeBreak) const;
  // Stores FF, 80 + tenths before the event, replacing a pause there; 0 removes
  // it. False, with nothing changed, when the sequence would exceed the capacity.
  bool SetPause(int key, bool beforeBreak, int tenths);

 private:
  // The key's make (or break) event; nullptr when it has none.
  const KeyEvent* EventOf(int key, bool beforeBreak) const;

  std::string original_;
  std::string sequence_;
  size_t capacity_;
  std::vector<KeyEvent> events_;
  std::vector<PauseKey> keys_;
};

}  // namespace vl
