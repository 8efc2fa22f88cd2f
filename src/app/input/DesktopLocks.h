#pragma once
// The Num Lock and Caps Lock states of the desktop's keyboard, which a line takes
// when it starts empty and the port's indicators are set back to: the X11
// indicators, else the LEDs under /sys/class/leds, else Num Lock on and Caps Lock
// off.

#include <QString>
#include <optional>

#include "core/input/KeyEvents.h"

namespace vl {

LockStates ReadDesktopLocks();

// The lock LEDs in a folder laid out like /sys/class/leds (entries named
// "*::numlock" and "*::capslock" with a "brightness" file); nullopt when it has
// neither. A lock is on when any of its LEDs is lit.
std::optional<LockStates> ReadLedLocks(const QString& ledsFolder);

}  // namespace vl
