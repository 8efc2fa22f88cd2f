#pragma once
// The programmed keyboard at work: keys pressed and released at device positions
// send what the layout in memory says, on the layer the keyboard is on, one scan
// interval apart; a held autorepeat key repeats; the card reader types swiped
// tracks. The layout is read from memory afresh at every press and swipe, so a
// download takes effect at once; an empty or damaged memory makes keys silent.
// The host sees the bytes through HostTranslation. Assumptions: docs/KEYBOARD_MODEL.md.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/device/Clock.h"
#include "core/document/MacroButton.h"
#include "sim/HostTranslation.h"
#include "sim/ProgrammedLayout.h"

namespace vl::sim {

inline constexpr Clock::Duration kRepeatDelay = std::chrono::milliseconds{500};
inline constexpr Clock::Duration kRepeatPeriod = std::chrono::milliseconds{100};
inline constexpr Clock::Duration kWaitUnit = std::chrono::milliseconds{100};

struct KeyField {
  int width = 0;   // device columns
  int height = 0;  // device rows
  uint32_t headerAddress = 0;
  bool rawSet2 = false;  // the host gets set 2 untranslated
};

// A byte on its way to the host, and when it arrives.
struct TimedByte {
  Clock::Duration time;
  uint8_t byte;
};

// A key click: when, and how long in tenths of a second (the layer's Click).
struct ClickEvent {
  Clock::Duration time;
  int tenths;
  bool operator==(const ClickEvent&) const = default;
};

class KeyboardModel {
 public:
  // memory must outlive the model; it is read, never written.
  KeyboardModel(const std::vector<uint8_t>& memory, KeyField field);

  // False when (x, y) is not a key of the field. A key already held is not
  // pressed again; releasing a key that is not held does nothing.
  bool Press(int x, int y, Clock::Duration now);
  bool Release(int x, int y, Clock::Duration now);
  // False for a track number outside 1..4. A track the layout does not enable
  // sends nothing.
  bool Swipe(int track, std::string_view text, Clock::Duration now);

  // The bytes the host has received by now, in order (autorepeats included).
  std::vector<TimedByte> TakeDue(Clock::Duration now);

  // Scanning disabled by the host: keys and swipes send nothing until a reset.
  void SetScanning(bool on) { scanning_ = on; }
  // The keyboard's reset: layer 0, nothing held, nothing waiting, scanning on.
  void Reset();

  int Layer() const { return layer_; }
  const std::vector<ClickEvent>& Clicks() const { return clicks_; }
  // Nothing is waiting to go out and no key repeats.
  bool Idle() const { return queue_.empty() && !repeat_; }

 private:
  // A held key releases what its press chose, whatever the layer is by then.
  struct Held {
    uint8_t func;
    std::string release;
  };
  struct Repeat {
    int key;
    std::string press;
    Clock::Duration due;
  };
  std::optional<ProgrammedLayout> Load();
  bool IsKey(int x, int y) const;
  void Advance(Clock::Duration now);
  void Send(std::string_view sequence, Clock::Duration now);
  void SwitchLayer(uint8_t func, int layers);

  const std::vector<uint8_t>& memory_;
  KeyField field_;
  HostTranslation translation_;
  Clock::Duration interval_;
  std::deque<TimedByte> queue_;
  Clock::Duration nextByte_{0};  // the earliest time the next byte may leave
  int layer_ = 0;
  std::optional<int> layerBeforeTemporary_;
  std::map<int, Held> held_;  // by key number
  std::optional<Repeat> repeat_;
  std::vector<ClickEvent> clicks_;
  bool scanning_ = true;
};

}  // namespace vl::sim
