#include "core/input/PauseEditor.h"

#include <algorithm>

#include "core/text/ScanCode.h"

namespace vl {

std::string TenthsText(int tenths, const TextTranslator& translate) {
  return TranslatedText(translate, kTenthsFormat, {std::to_string(tenths / 10), std::to_string(tenths % 10)});
}

PauseEditor::PauseEditor(std::string sequence, size_t capacity, KeyLanguage language,
                         LockStates start)
    : original_(sequence), sequence_(std::move(sequence)), capacity_(capacity) {
  events_ = ParseKeyEvents(sequence_);
  const std::vector<std::string> texts = KeyEventTexts(events_, language, start);
  std::vector<bool> paired(events_.size(), false);
  for (size_t i = 0; i < events_.size(); ++i) {
    if (paired[i]) continue;
    const KeyEvent& event = events_[i];
    PauseKey key;
    key.Text = texts[i];
    if (event.Release) {
      key.Break = static_cast<int>(i);
    } else {
      key.Make = static_cast<int>(i);
      for (size_t j = i + 1; j < events_.size() && !event.PauseKey; ++j) {
        const KeyEvent& other = events_[j];
        if (other.Code != event.Code || other.Extended != event.Extended || other.PauseKey) continue;
        if (!other.Release) break;  // pressed again before a release
        paired[j] = true;
        key.Break = static_cast<int>(j);
        break;
      }
    }
    keys_.push_back(std::move(key));
  }
}

const KeyEvent* PauseEditor::EventOf(int key, bool beforeBreak) const {
  if (key < 0 || static_cast<size_t>(key) >= keys_.size()) return nullptr;
  const PauseKey& found = keys_[static_cast<size_t>(key)];
  const int event = beforeBreak ? found.Break : found.Make;
  return event < 0 ? nullptr : &events_[static_cast<size_t>(event)];
}

int PauseEditor::Pause(int key, bool beforeBreak) const {
  const KeyEvent* event = EventOf(key, beforeBreak);
  return event ? event->Wait : 0;
}

bool PauseEditor::SetPause(int key, bool beforeBreak, int tenths) {
  const KeyEvent* event = EventOf(key, beforeBreak);
  if (event == nullptr) return false;
  tenths = std::clamp(tenths, 0, kMaxWait);
  const size_t offset = event->Offset;
  const bool hasPause = event->AfterPause;
  std::string updated = sequence_;
  if (hasPause) updated.erase(offset - 2, 2);
  if (tenths > 0) {
    const char pause[2] = {static_cast<char>(kScanWait), static_cast<char>(kWaitBase + tenths)};
    updated.insert(hasPause ? offset - 2 : offset, pause, 2);
  }
  if (updated.size() > capacity_ && updated.size() > sequence_.size()) return false;
  sequence_ = std::move(updated);
  events_ = ParseKeyEvents(sequence_);
  return true;
}

}  // namespace vl
