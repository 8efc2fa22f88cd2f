#include "port-helper/PortControl.h"

namespace vl::port {
namespace {

std::string DeviceList(const SerioSysfs& sysfs, const std::string& port) {
  std::string list;
  for (const std::string& device : sysfs.RawDevices(port)) {
    list += (list.empty() ? "" : ", ") + ("/dev/" + device);
  }
  return list;
}

PortOutcome NoPort(const SerioSysfs& sysfs) {
  return {false, "no i8042 keyboard port in " + (sysfs.BusFolder() / "devices").string()};
}

// Asks for the driver, then for any driver the bus finds; true when the port
// ends up with a driver other than serio_raw.
bool GiveBack(SerioSysfs& sysfs, const std::string& port, const std::string& driver) {
  auto typing = [&] {
    const std::string bound = sysfs.BoundDriver(port);
    return !bound.empty() && bound != kRawDriver;
  };
  if (sysfs.RequestDriver(port, driver) && typing()) return true;
  return sysfs.RequestDriver(port, "rescan") && typing();
}

std::string GivenBackText(bool givenBack, const std::string& driver) {
  return givenBack ? "; the port is back with " + driver
                   : "; giving the port back to " + driver + " failed as well: the keyboard has no driver";
}

}  // namespace

PortOutcome PortStatus(const SerioSysfs& sysfs) {
  const auto port = sysfs.KeyboardPort();
  if (!port) return NoPort(sysfs);
  const std::string driver = sysfs.BoundDriver(*port);
  if (driver.empty()) return {true, *port + ": no driver (the keyboard does not type)"};
  if (driver != kRawDriver) return {true, *port + ": " + driver + " (the keyboard types)"};
  const std::string devices = DeviceList(sysfs, *port);
  return {true, *port + ": serio_raw " + (devices.empty() ? "without a device" : devices)};
}

PortOutcome AttachPort(SerioSysfs& sysfs, const std::function<bool()>& loadRawDriver) {
  const auto port = sysfs.KeyboardPort();
  if (!port) return NoPort(sysfs);
  const std::string previous = sysfs.BoundDriver(*port);
  if (previous == kRawDriver) return {true, *port + ": already serio_raw " + DeviceList(sysfs, *port)};
  if (!sysfs.HasDriver(kRawDriver) && !(loadRawDriver && loadRawDriver() && sysfs.HasDriver(kRawDriver))) {
    return {false, "the serio_raw driver is not available; the port stays with " +
                       (previous.empty() ? std::string("no driver") : previous)};
  }
  const std::string keyboardDriver = previous.empty() ? std::string(kKeyboardDriver) : previous;
  std::string failure;
  if (!sysfs.RequestDriver(*port, kRawDriver)) {
    // Nothing reached the kernel: the port keeps its driver, nothing to give back.
    if (sysfs.BoundDriver(*port) == previous) {
      return {false, *port + ": writing to the port's drvctl failed; nothing was changed, the port stays with " +
                         (previous.empty() ? std::string("no driver") : previous)};
    }
    failure = "writing to the port's drvctl failed";
  } else if (sysfs.BoundDriver(*port) != kRawDriver) {
    failure = "serio_raw did not take the port";
  } else if (sysfs.RawDevices(*port).empty()) {
    failure = "serio_raw made no device for the port";
  }
  if (failure.empty()) return {true, *port + ": serio_raw " + DeviceList(sysfs, *port)};
  return {false, failure + GivenBackText(GiveBack(sysfs, *port, keyboardDriver), keyboardDriver)};
}

PortOutcome ReleasePort(SerioSysfs& sysfs, const std::function<void()>& unloadRawDriver) {
  const auto port = sysfs.KeyboardPort();
  if (!port) return NoPort(sysfs);
  const std::string driver = sysfs.BoundDriver(*port);
  if (!driver.empty() && driver != kRawDriver) return {true, *port + ": already " + driver};
  if (GiveBack(sysfs, *port, kKeyboardDriver)) {
    if (driver == kRawDriver && unloadRawDriver && !sysfs.DriverBound(kRawDriver)) unloadRawDriver();
    return {true, *port + ": " + sysfs.BoundDriver(*port)};
  }
  return {false, *port + ": neither " + std::string(kKeyboardDriver) +
                     " nor any other driver took the port: the keyboard has no driver"};
}

}  // namespace vl::port
