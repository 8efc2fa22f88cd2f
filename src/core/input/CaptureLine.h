#pragma once
// The content and capture state of one code-sequence line: raw keyboard bytes in,
// stored set-2 sequence out. Covers the lock correction on entering and leaving
// the line, the exit key, the added shifts around the gray navigation keys and
// the line's length limit. Qt-free, so the whole capture is tested without a
// screen; the widget only feeds bytes and shows the result.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "core/common/TranslatableText.h"
#include "core/input/KeyEvents.h"
#include "core/input/PauseRecording.h"
#include "core/text/ScanCode.h"

namespace vl {

// What one byte (or one paste) did to the line.
enum class LineInput {
  Ignored,   // nothing recorded
  Recorded,  // the content grew
  Exit,      // the exit key was released: move the focus on
  Full,      // the limit was reached; input to the line stops until it is left
};

inline constexpr const char* kLineFullMessage = VL_TEXT("core", "Достигнут предел заполнения строки ввода.");

// Setting "tab key" (0 Esc, 1 Tab, 2 F11, 3 space, 4 left Control, 5 none) as
// the set-2 code of the exit key; 0 for none.
uint8_t ExitKeyCode(uint8_t tabKeySetting);

class CaptureLine {
 public:
  static constexpr size_t kLimit = 240;
  static constexpr size_t kWrapperSize = 6;  // 77 F0 77 or 58 F0 58, before and after

  // exitKey: set-2 code of the exit key, 0 for none. correctLock: setting
  // "correct lock".
  void Configure(uint8_t exitKey, bool correctLock);

  // The stored bytes while the line is not entered, the bytes being edited while
  // it is.
  const std::string& Content() const { return content_; }
  // Replaces the content (loading a record, clearing, the pause window).
  void SetContent(std::string content) { content_ = std::move(content); }

  // The line got the focus: takes the lock states (those of the keyboard when
  // the line is empty) and removes the wrappers that leaving added.
  void Enter(LockStates keyboard);
  // The line lost the focus: wraps the content for the tracked lock states and
  // returns to Num Lock on, Caps Lock off.
  void Leave();
  bool Entered() const { return entered_; }
  // The capture resumes after a menu or a modal window: the releases of keys
  // pressed there (Enter on OK) are not the user's input for this line. From now
  // until the line is entered again, a release of a key not pressed in the line
  // is dropped.
  // (The time spent there is no pause either.)
  void IgnoreStrayReleases() {
    ignoreStray_ = true;
    lastEvent_.reset();
  }
  // Takes back the make of the held key code (not extended) when it is the last
  // thing recorded: the Shift of Shift+F10, which opens the line's menu instead
  // of being typed. False leaves the line as it was.
  bool TakeBackLastMake(uint8_t code);
  // With a clock, the time between two key events recorded here goes in before
  // the second as a pause (PauseForGap), when the pause and the key both fit the
  // limit; a key that fits only alone goes in without it. The first key after
  // entering, typed text and added codes get none; a held key's repeats are no
  // key events.
  // An empty clock stops the recording of pauses.
  void RecordPauses(MillisecondClock clock) {
    pauseClock_ = std::move(clock);
    lastEvent_.reset();
  }

  // One raw set-1 byte from the keyboard.
  LineInput FeedSet1(uint8_t raw);
  // One set-2 byte through the stream handler.
  LineInput FeedSet2(uint8_t byte);
  // Appends bytes as they are (private clipboard, key list) when they fit the
  // limit; false leaves the line as it was.
  bool Append(std::string_view bytes);
  // Types the characters of a UTF-8 text that are keys of the language's column
  // (letter case ignored) as make and break; other characters are skipped.
  LineInput TypeText(std::string_view utf8, KeyLanguage language);

  // The bytes typing may fill: 240 less 6 for each lock wrapper leaving will add.
  size_t Limit() const { return LimitFor(locks_); }
  // The most the content may hold and still be wrapped within a stored sequence.
  size_t Capacity() const;
  // Lock states at the start of the content (for its texts) and now.
  LockStates StartLocks() const { return startLocks_; }
  LockStates Locks() const { return locks_; }
  bool InputStopped() const { return stopped_; }
  // Keys made and not yet released since the line was entered: (E0 ? 0x100 : 0) + code.
  const std::set<uint16_t>& HeldKeys() const { return held_; }

 private:
  size_t LimitFor(LockStates locks) const;
  LineInput Record(uint8_t code, bool extended, bool release);
  bool StripWrapper(uint8_t lockCode);

  std::string content_;
  uint8_t exitKey_ = 0;
  bool correctLock_ = false;
  bool entered_ = false;
  bool stopped_ = false;
  bool exitKeyActive_ = true;
  bool ignoreStray_ = false;
  LockStates locks_;
  LockStates startLocks_;
  Set1Decoder decoder_;
  int skip_ = 0;
  bool extended_ = false;
  bool release_ = false;
  std::set<uint16_t> held_;
  MillisecondClock pauseClock_;
  std::optional<int64_t> lastEvent_;  // when the last key event was recorded
};

}  // namespace vl
