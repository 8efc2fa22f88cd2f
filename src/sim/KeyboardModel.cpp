#include "sim/KeyboardModel.h"

#include <algorithm>

#include "core/document/KeyFunction.h"
#include "core/text/ScanCode.h"
#include "sim/CardSwipe.h"

namespace vl::sim {

namespace {

constexpr size_t kHeaderSize = 8;

}  // namespace

KeyboardModel::KeyboardModel(const std::vector<uint8_t>& memory, KeyField field)
    : memory_(memory), field_(field), translation_(field.rawSet2), interval_(ScanInterval(0)) {}

bool KeyboardModel::IsKey(int x, int y) const {
  return x >= 0 && y >= 0 && x < field_.width && y < field_.height;
}

std::optional<ProgrammedLayout> KeyboardModel::Load() {
  if (field_.headerAddress + kHeaderSize > memory_.size()) return std::nullopt;
  interval_ = ScanInterval(ReadHeader(memory_, field_.headerAddress).ScanInterval);
  auto layout = ReadProgrammedLayout(memory_, field_.headerAddress, field_.width, field_.height);
  if (layout && layer_ >= layout->layers) {
    // A layout with fewer layers was downloaded meanwhile.
    layer_ = 0;
    layerBeforeTemporary_.reset();
  }
  return layout;
}

bool KeyboardModel::Press(int x, int y, Clock::Duration now) {
  if (!IsKey(x, y)) return false;
  Advance(now);
  const int key = x * field_.height + y;
  if (!scanning_ || held_.contains(key)) return true;
  const auto layout = Load();
  if (!layout) return true;
  const TMacroButton& record = layout->keys[static_cast<size_t>(key)];
  if (IsLayerSwitch(record.Func)) {
    held_[key] = Held{record.Func, {}};
    SwitchLayer(record.Func, layout->layers);
    return true;
  }
  const TMacros& block = record.Layers[static_cast<size_t>(layer_)];
  held_[key] = Held{kFuncMacro, block.Macro[1]};
  if (block.Click != 0) clicks_.push_back({now, block.Click});
  Send(block.Macro[0], now);
  // The last key pressed is the one that repeats, as on any keyboard.
  if (block.AutoRepeat & 1)
    repeat_ = Repeat{key, block.Macro[0], now + kRepeatDelay};
  else
    repeat_.reset();
  return true;
}

bool KeyboardModel::Release(int x, int y, Clock::Duration now) {
  if (!IsKey(x, y)) return false;
  Advance(now);
  const int key = x * field_.height + y;
  const auto found = held_.find(key);
  if (found == held_.end()) return true;
  const Held held = found->second;
  held_.erase(found);
  if (repeat_ && repeat_->key == key) repeat_.reset();
  if (!scanning_) return true;
  if (held.func >= kFuncShiftToLayer0 && IsLayerSwitch(held.func)) {
    if (layerBeforeTemporary_) layer_ = *layerBeforeTemporary_;
    layerBeforeTemporary_.reset();
    return true;
  }
  Send(held.release, now);
  return true;
}

bool KeyboardModel::Swipe(int track, std::string_view text, Clock::Duration now) {
  if (track < 1 || track > kTrackCount) return false;
  Advance(now);
  if (!scanning_) return true;
  const auto layout = Load();
  if (!layout || !(layout->trackMask >> (track - 1) & 1)) return true;
  const TMacros& record = layout->card.Layers[static_cast<size_t>(track - 1)];
  Send(record.Macro[0], now);
  Send(CardTrackKeys(track, text, record.Click), now);
  Send(record.Macro[1], now);
  return true;
}

void KeyboardModel::SwitchLayer(uint8_t func, int layers) {
  if (func == kFuncLayerUp) {
    layer_ = std::min(layer_ + 1, layers - 1);
  } else if (func == kFuncLayerDown) {
    layer_ = std::max(layer_ - 1, 0);
  } else if (func < kFuncShiftToLayer0) {
    const int target = func - kFuncGoToLayer0;
    if (target < layers) layer_ = target;
  } else {
    const int target = func - kFuncShiftToLayer0;
    if (target >= layers) return;
    // Nested temporary switches all return to the layer before the first.
    if (!layerBeforeTemporary_) layerBeforeTemporary_ = layer_;
    layer_ = target;
  }
}

// Each byte of the sequence leaves one interval after the one before; a pause
// FF, 80 + n delays the next byte by n tenths of a second. Other FF elements
// are not scan codes and are skipped with their code.
void KeyboardModel::Send(std::string_view sequence, Clock::Duration now) {
  nextByte_ = std::max(nextByte_, now);
  for (size_t i = 0; i < sequence.size(); ++i) {
    const auto byte = static_cast<uint8_t>(sequence[i]);
    if (byte == kScanWait) {
      if (++i == sequence.size()) break;
      const int tenths = static_cast<uint8_t>(sequence[i]) - kWaitBase;
      if (tenths >= 0 && tenths <= kMaxWait) nextByte_ += kWaitUnit * tenths;
      continue;
    }
    if (const auto host = translation_.Feed(byte)) queue_.push_back({nextByte_, *host});
    nextByte_ += interval_;
  }
}

void KeyboardModel::Advance(Clock::Duration now) {
  while (repeat_ && repeat_->due <= now) {
    Send(repeat_->press, repeat_->due);
    // A long sequence delays the next repeat rather than piling up behind itself.
    repeat_->due = std::max(repeat_->due + kRepeatPeriod, nextByte_);
  }
}

std::vector<TimedByte> KeyboardModel::TakeDue(Clock::Duration now) {
  Advance(now);
  std::vector<TimedByte> due;
  while (!queue_.empty() && queue_.front().time <= now) {
    due.push_back(queue_.front());
    queue_.pop_front();
  }
  return due;
}

void KeyboardModel::Reset() {
  queue_.clear();
  held_.clear();
  repeat_.reset();
  layer_ = 0;
  layerBeforeTemporary_.reset();
  translation_.Reset();
  nextByte_ = Clock::Duration{0};
  scanning_ = true;
}

}  // namespace vl::sim
