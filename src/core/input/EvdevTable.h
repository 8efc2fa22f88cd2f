#pragma once
// Linux input-event key codes (evdev, as the desktop reports them) as the set-1
// bytes a PC keyboard sends for the same key, so that key events of any keyboard
// feed the same decoder as the keyboard port's raw bytes.

#include <cstdint>
#include <vector>

namespace vl {

// The set-1 bytes of pressing (or releasing) the key with this evdev code: codes
// 1..88 are the set-1 codes themselves; the extended keys (right Control and Alt,
// keypad Enter and /, Print Screen, the navigation block, the arrows, the Windows
// and menu keys) come with E0; Pause is E1 1D 45 E1 9D C5 on press and nothing
// on release. Empty for a code without a set-1 key.
std::vector<uint8_t> EvdevToSet1(int evdevCode, bool pressed);

}  // namespace vl
