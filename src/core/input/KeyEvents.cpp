#include "core/input/KeyEvents.h"

#include <cstdio>

#include "core/text/ScanCode.h"

namespace vl {
namespace {

std::string HexCode(uint8_t code) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", code);
  return text;
}

}  // namespace

std::vector<KeyEvent> ParseKeyEvents(std::string_view sequence) {
  std::vector<KeyEvent> events;
  KeyEvent next;
  bool started = false;  // next.Offset is set
  for (size_t i = 0; i < sequence.size(); ++i) {
    const auto byte = static_cast<uint8_t>(sequence[i]);
    if (!started) {
      next.Offset = i;
      started = true;
    }
    if (byte == kScanWait) {
      if (i + 1 >= sequence.size()) break;
      const int tenths = static_cast<uint8_t>(sequence[++i]) - kWaitBase;
      next = KeyEvent{};
      next.AfterPause = true;
      next.Wait = tenths > 0 ? tenths : 0;
      started = false;
      continue;
    }
    if (byte == kScanExtended) {
      next.Extended = true;
      continue;
    }
    if (byte == kScanBreak) {
      next.Release = true;
      continue;
    }
    if (byte == kScanPausePrefix) {
      if (i + kPauseKeySequence.size() > sequence.size()) break;
      next.PauseKey = true;
      i += kPauseKeySequence.size() - 1;
    } else {
      next.Code = byte;
    }
    next.Length = i + 1 - next.Offset;
    events.push_back(next);
    next = KeyEvent{};
    started = false;
  }
  return events;
}

std::vector<std::string> KeyEventTexts(const std::vector<KeyEvent>& events, KeyLanguage language,
                                       LockStates start, const TextTranslator& translate) {
  const std::string releasePrefix = Translated(translate, kReleasePrefix);
  std::vector<std::string> texts;
  texts.reserve(events.size());
  KeyCaseState state;
  state.NumLock = start.NumLock;
  state.CapsLock = start.CapsLock;
  for (const auto& event : events) {
    if (event.PauseKey) {
      texts.emplace_back("Pause");
      continue;
    }
    if (!event.Extended) {
      if (event.Code == kLeftShiftCode) state.LeftShift = !event.Release;
      if (event.Code == kRightShiftCode) state.RightShift = !event.Release;
      if (!event.Release && event.Code == kCapsLockCode) state.CapsLock = !state.CapsLock;
      if (!event.Release && event.Code == kNumLockCode) state.NumLock = !state.NumLock;
    }
    std::string text = KeyText(event.Code, event.Extended, language, state);
    if (text.empty()) text = event.Extended ? "E0 " + HexCode(event.Code) : HexCode(event.Code);
    texts.push_back(event.Release ? releasePrefix + text : text);
  }
  return texts;
}

}  // namespace vl
