#pragma once
// The serio bus as sysfs shows it, under a root folder: "/" on a running system,
// a temporary tree in tests. Every call reports failure instead of throwing.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vl::port {

inline constexpr const char* kKeyboardPortDescription = "i8042 KBD port";
inline constexpr const char* kRawDriver = "serio_raw";
inline constexpr const char* kKeyboardDriver = "atkbd";

class SerioSysfs {
 public:
  explicit SerioSysfs(std::filesystem::path root);
  virtual ~SerioSysfs() = default;

  const std::filesystem::path& Root() const { return root_; }
  // root/sys/bus/serio
  std::filesystem::path BusFolder() const;

  // The port whose description is the i8042 keyboard port's ("serio0").
  std::optional<std::string> KeyboardPort() const;
  // The driver bound to the port; empty when none is.
  std::string BoundDriver(const std::string& port) const;
  // Whether the bus knows the driver (its module is loaded).
  bool HasDriver(const std::string& driver) const;
  // Whether any port of the bus is bound to the driver.
  bool DriverBound(const std::string& driver) const;
  // The character devices serio_raw made for the port ("serio_raw0").
  std::vector<std::string> RawDevices(const std::string& port) const;

  // Writes a request ("atkbd", "serio_raw", "rescan") to the port's drvctl;
  // false when the write fails. The kernel binds before the write returns.
  virtual bool RequestDriver(const std::string& port, const std::string& request);

 private:
  std::filesystem::path PortFolder(const std::string& port) const;

  std::filesystem::path root_;
};

}  // namespace vl::port
