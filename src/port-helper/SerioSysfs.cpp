#include "port-helper/SerioSysfs.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <system_error>

namespace vl::port {
namespace fs = std::filesystem;

namespace {

// The first line of a small attribute file, without its line end.
std::string ReadAttribute(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line;
}

}  // namespace

SerioSysfs::SerioSysfs(fs::path root) : root_(std::move(root)) {}

fs::path SerioSysfs::BusFolder() const { return root_ / "sys" / "bus" / "serio"; }

fs::path SerioSysfs::PortFolder(const std::string& port) const { return BusFolder() / "devices" / port; }

std::optional<std::string> SerioSysfs::KeyboardPort() const {
  std::error_code error;
  std::vector<std::string> ports;
  for (fs::directory_iterator it(BusFolder() / "devices", error), end; !error && it != end; it.increment(error)) {
    ports.push_back(it->path().filename().string());
  }
  std::sort(ports.begin(), ports.end());
  for (const std::string& port : ports) {
    if (ReadAttribute(PortFolder(port) / "description") == kKeyboardPortDescription) return port;
  }
  return std::nullopt;
}

std::string SerioSysfs::BoundDriver(const std::string& port) const {
  std::error_code error;
  const fs::path target = fs::read_symlink(PortFolder(port) / "driver", error);
  return error ? std::string() : target.filename().string();
}

bool SerioSysfs::HasDriver(const std::string& driver) const {
  std::error_code error;
  return fs::is_directory(BusFolder() / "drivers" / driver, error);
}

std::vector<std::string> SerioSysfs::RawDevices(const std::string& port) const {
  std::error_code error;
  std::vector<std::string> devices;
  for (fs::directory_iterator it(PortFolder(port) / "misc", error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kRawDriver, 0) == 0) devices.push_back(name);
  }
  std::sort(devices.begin(), devices.end());
  return devices;
}

bool SerioSysfs::RequestDriver(const std::string& port, const std::string& request) {
  // Never creates the file: a missing drvctl means there is no such port.
  const int fd = ::open((PortFolder(port) / "drvctl").c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return false;
  const ssize_t written = ::write(fd, request.data(), request.size());
  const bool closed = ::close(fd) == 0;
  return written == static_cast<ssize_t>(request.size()) && closed;
}

}  // namespace vl::port
