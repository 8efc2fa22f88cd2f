#include "port-helper/SerioSysfs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace vl::port {
namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxAttribute = 4096;  // a sysfs attribute is at most a page

// The first line of a small attribute file, without its line end; empty for
// anything but a regular file (a FIFO would block, a link lead elsewhere).
std::string ReadAttribute(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat info {};
  std::string text(kMaxAttribute, '\0');
  ssize_t got = -1;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) got = ::read(fd, text.data(), text.size());
  ::close(fd);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  std::string line = text.substr(0, text.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
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
  const fs::path link = PortFolder(port) / "driver";
  const fs::path target = fs::read_symlink(link, error);
  // Only a link that leads to a driver's folder names one (a link to itself does not).
  if (error || !fs::is_directory(link, error) || error) return {};
  return target.filename().string();
}

bool SerioSysfs::HasDriver(const std::string& driver) const {
  std::error_code error;
  return fs::is_directory(BusFolder() / "drivers" / driver, error);
}

bool SerioSysfs::DriverBound(const std::string& driver) const {
  std::error_code error;
  for (fs::directory_iterator it(BusFolder() / "devices", error), end; !error && it != end; it.increment(error)) {
    if (BoundDriver(it->path().filename().string()) == driver) return true;
  }
  return false;
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
  // Never creates the file: a missing drvctl means there is no such port. Nor is a
  // link followed or anything but a regular file written (a FIFO would block).
  const int fd = ::open((PortFolder(port) / "drvctl").c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  const ssize_t written = ::write(fd, request.data(), request.size());
  const bool closed = ::close(fd) == 0;
  return written == static_cast<ssize_t>(request.size()) && closed;
}

}  // namespace vl::port
