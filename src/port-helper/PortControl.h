#pragma once
// The three things vlat-port does with the i8042 keyboard port: tell which
// driver has it, hand it to serio_raw, and hand it back to the keyboard driver.
// A failure never leaves the port without the driver it had before.

#include <functional>
#include <string>

#include "port-helper/SerioSysfs.h"

namespace vl::port {

struct PortOutcome {
  bool ok = false;
  std::string message;  // one line for the user
};

PortOutcome PortStatus(const SerioSysfs& sysfs);

// loadRawDriver is asked to load serio_raw when the bus does not know it yet.
PortOutcome AttachPort(SerioSysfs& sysfs, const std::function<bool()>& loadRawDriver);

// Gives the port to the keyboard driver; also mends a port left with no driver.
// unloadRawDriver is asked to unload serio_raw once the port left it and no
// other port uses it: the kernel numbers serio_raw's devices on from the last
// one until the module is loaded afresh, and the programs look for the first,
// /dev/serio_raw0.
PortOutcome ReleasePort(SerioSysfs& sysfs, const std::function<void()>& unloadRawDriver = {});

}  // namespace vl::port
