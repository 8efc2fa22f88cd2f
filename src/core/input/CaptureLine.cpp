#include "core/input/CaptureLine.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/document/Field.h"

namespace vl {
namespace {

// Set-2 codes of the exit keys in the order of setting "tab key".
constexpr std::array<uint8_t, 5> kExitKeys = {0x76, 0x0D, 0x78, 0x29, 0x14};

// The gray navigation keys (with E0): End, left, Home, Insert, Delete, down,
// right, up, Page Down, Page Up. With Num Lock on the keyboard itself adds shifts
// around them; the line records its own E0 12 ... E0 F0 12 instead.
constexpr std::array<uint8_t, 10> kGrayNavigation = {0x69, 0x6B, 0x6C, 0x70, 0x71,
                                                     0x72, 0x74, 0x75, 0x7A, 0x7D};

bool IsGrayNavigation(uint8_t code) {
  return std::find(kGrayNavigation.begin(), kGrayNavigation.end(), code) != kGrayNavigation.end();
}

std::string Wrapper(uint8_t lockCode) {
  return {static_cast<char>(lockCode), static_cast<char>(kScanBreak), static_cast<char>(lockCode)};
}

uint16_t HeldId(uint8_t code, bool extended) { return static_cast<uint16_t>((extended ? 0x100 : 0) | code); }

}  // namespace

uint8_t ExitKeyCode(uint8_t tabKeySetting) {
  return tabKeySetting < kExitKeys.size() ? kExitKeys[tabKeySetting] : 0;
}

void CaptureLine::Configure(uint8_t exitKey, bool correctLock) {
  exitKey_ = exitKey;
  correctLock_ = correctLock;
}

size_t CaptureLine::LimitFor(LockStates locks) const {
  if (!correctLock_) return kLimit;
  return kLimit - (locks.NumLock ? 0 : kWrapperSize) - (locks.CapsLock ? kWrapperSize : 0);
}

size_t CaptureLine::Capacity() const { return kMaxSequenceLength - (kLimit - Limit()); }

bool CaptureLine::StripWrapper(uint8_t lockCode) {
  // Leaving wraps only a non-empty content, so a line of one wrapper's length or
  // less was typed that way and is kept.
  const std::string wrapper = Wrapper(lockCode);
  if (content_.size() <= kWrapperSize || !content_.starts_with(wrapper) ||
      !content_.ends_with(wrapper)) {
    return false;
  }
  content_ = content_.substr(wrapper.size(), content_.size() - kWrapperSize);
  return true;
}

void CaptureLine::Enter(LockStates keyboard) {
  entered_ = true;
  stopped_ = false;
  ignoreStray_ = false;
  decoder_.Reset();
  skip_ = 0;
  extended_ = release_ = false;
  held_.clear();
  lastEvent_.reset();
  locks_ = LockStates{};
  if (correctLock_ && content_.empty()) {
    locks_ = keyboard;
  } else if (correctLock_) {
    if (StripWrapper(kCapsLockCode)) locks_.CapsLock = !locks_.CapsLock;
    if (StripWrapper(kNumLockCode)) locks_.NumLock = !locks_.NumLock;
  }
  startLocks_ = locks_;
}

void CaptureLine::Leave() {
  if (correctLock_ && !content_.empty()) {
    if (!locks_.NumLock) content_ = Wrapper(kNumLockCode) + content_ + Wrapper(kNumLockCode);
    if (locks_.CapsLock) content_ = Wrapper(kCapsLockCode) + content_ + Wrapper(kCapsLockCode);
  }
  entered_ = false;
  locks_ = startLocks_ = LockStates{};
}

LineInput CaptureLine::FeedSet1(uint8_t raw) {
  LineInput result = LineInput::Ignored;
  for (uint8_t byte : decoder_.Feed(raw)) {
    const LineInput one = FeedSet2(byte);
    if (one == LineInput::Exit || one == LineInput::Full) return one;
    if (one == LineInput::Recorded) result = one;
  }
  return result;
}

LineInput CaptureLine::FeedSet2(uint8_t byte) {
  if (stopped_) return LineInput::Ignored;
  if (skip_ > 0) {
    --skip_;
    return LineInput::Ignored;
  }
  switch (byte) {
    case kScanPausePrefix:
      skip_ = static_cast<int>(kPauseKeySequence.size()) - 1;
      extended_ = release_ = false;
      return LineInput::Ignored;
    case kScanExtended:
      extended_ = true;
      return LineInput::Ignored;
    case kScanBreak:
      release_ = true;
      return LineInput::Ignored;
    default:
      break;
  }
  const bool extended = extended_;
  const bool release = release_;
  extended_ = release_ = false;

  if (extended && (byte == kLeftShiftCode || byte == kRightShiftCode)) return LineInput::Ignored;
  if (exitKeyActive_ && exitKey_ != 0 && !extended && byte == exitKey_) {
    // The exit key leaves the line only when its make was seen here; the release
    // of the key that brought the focus in is an ordinary key.
    if (!release) {
      held_.insert(HeldId(byte, false));
      return LineInput::Ignored;
    }
    if (held_.erase(HeldId(byte, false)) > 0) return LineInput::Exit;
  }
  if (release && ignoreStray_ && !held_.contains(HeldId(byte, extended))) return LineInput::Ignored;
  return Record(byte, extended, release);
}

LineInput CaptureLine::Record(uint8_t code, bool extended, bool release) {
  std::string element;
  const bool addedShift = extended && IsGrayNavigation(code) && locks_.NumLock;
  if (addedShift && !release) element += {static_cast<char>(kScanExtended), static_cast<char>(kLeftShiftCode)};
  if (extended) element.push_back(static_cast<char>(kScanExtended));
  if (release) element.push_back(static_cast<char>(kScanBreak));
  element.push_back(static_cast<char>(code));
  if (addedShift && release) {
    element += {static_cast<char>(kScanExtended), static_cast<char>(kScanBreak),
                static_cast<char>(kLeftShiftCode)};
  }

  LockStates locks = locks_;
  if (!extended && !release && code == kNumLockCode) locks.NumLock = !locks.NumLock;
  if (!extended && !release && code == kCapsLockCode) locks.CapsLock = !locks.CapsLock;
  if (content_.size() + element.size() > LimitFor(locks)) {
    stopped_ = true;
    return LineInput::Full;
  }
  if (pauseClock_) {
    // A held key's repeats never get here (the set-1 decoder drops them), so
    // holding a key is timed from its make to the next key event.
    const int64_t now = pauseClock_();
    if (lastEvent_) {
      const std::string pause = PauseForGap(now - *lastEvent_);
      if (content_.size() + pause.size() + element.size() <= LimitFor(locks)) content_ += pause;
    }
    lastEvent_ = now;
  }
  content_ += element;
  locks_ = locks;
  if (release) {
    held_.erase(HeldId(code, extended));
  } else {
    held_.insert(HeldId(code, extended));
  }
  return LineInput::Recorded;
}

bool CaptureLine::TakeBackLastMake(uint8_t code) {
  if (!held_.contains(HeldId(code, false)) || content_.empty() || static_cast<uint8_t>(content_.back()) != code) {
    return false;
  }
  // After E0 or F0 the code is part of another element.
  if (content_.size() >= 2) {
    const auto before = static_cast<uint8_t>(content_[content_.size() - 2]);
    if (before == kScanExtended || before == kScanBreak) return false;
  }
  content_.pop_back();
  held_.erase(HeldId(code, false));
  return true;
}

bool CaptureLine::Append(std::string_view bytes) {
  if (content_.size() + bytes.size() > Limit()) return false;
  content_ += bytes;
  lastEvent_.reset();
  return true;
}

LineInput CaptureLine::TypeText(std::string_view utf8, KeyLanguage language) {
  if (stopped_) return LineInput::Ignored;
  // A pasted space is a character, not the exit key, and its keys have no rhythm.
  exitKeyActive_ = false;
  const MillisecondClock clock = std::exchange(pauseClock_, {});
  LineInput result = LineInput::Ignored;
  for (size_t i = 0; i < utf8.size() && result != LineInput::Full;) {
    size_t length = 1;
    while (i + length < utf8.size() && (static_cast<uint8_t>(utf8[i + length]) & 0xC0) == 0x80) {
      ++length;
    }
    const std::optional<uint8_t> code = KeyForCharacter(utf8.substr(i, length), language);
    i += length;
    if (!code) continue;
    // Make and break go in together, so a full line never keeps a key pressed.
    if (content_.size() + 3 > Limit()) {
      stopped_ = true;
      result = LineInput::Full;
      break;
    }
    for (uint8_t byte : {*code, kScanBreak, *code}) {
      if (FeedSet2(byte) == LineInput::Recorded) result = LineInput::Recorded;
    }
  }
  exitKeyActive_ = true;
  RecordPauses(clock);
  return result;
}

}  // namespace vl
