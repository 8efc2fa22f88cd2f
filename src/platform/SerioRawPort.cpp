#include "platform/SerioRawPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace vl {

namespace {
constexpr int kPollMs = 2;  // well under the protocol's shortest poll period
}

SerioRawPort::SerioRawPort(const std::string& path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd_ < 0 && errno == EBUSY) throw PortBusyError(path);  // a terminal held exclusively
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), path);
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISCHR(info.st_mode)) {
    ::close(fd_);
    throw NotAPortError(path);
  }
  // Two programs interleaving their bytes on one keyboard both fail and leave it
  // cleared: the port is ours alone until it is closed. The lock holds for every
  // program; exclusive mode also keeps other terminal users (but root) out.
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd_);
    if (error == EWOULDBLOCK) throw PortBusyError(path);
    throw std::system_error(error, std::generic_category(), path);
  }
  terminal_ = ::isatty(fd_) == 1 && ::ioctl(fd_, TIOCEXCL) == 0;
  reader_ = std::thread([this] { ReadLoop(); });
}

SerioRawPort::~SerioRawPort() {
  stop_ = true;
  reader_.join();
  // Exclusive mode outlives the descriptor on some terminals.
  if (terminal_) ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
}

PortBusyError::PortBusyError(const std::string& path)
    : PortRefusedError("Порт клавиатуры \"" + path + "\" занят другой программой.") {}

NotAPortError::NotAPortError(const std::string& path)
    : PortRefusedError("\"" + path + "\" — не порт клавиатуры (не символьное устройство); в него ничего не записано.") {}

bool SerioRawPort::SendByte(uint8_t byte) {
  for (int tries = 0; tries < 100; ++tries) {
    const ssize_t n = ::write(fd_, &byte, 1);
    if (n == 1) return true;
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    ::usleep(100);  // the device's write queue is full for a moment
  }
  return false;
}

void SerioRawPort::SetCapture(uint32_t target) {
  std::lock_guard lock(mutex_);
  capturing_ = target != 0;
  captured_.clear();
}

uint16_t SerioRawPort::TakeByte() {
  std::lock_guard lock(mutex_);
  if (captured_.empty()) return 0;
  const uint8_t byte = captured_.front();
  captured_.pop_front();
  return static_cast<uint16_t>(byte << 8 | 1);
}

void SerioRawPort::Forward(IByteReceiver* receiver) {
  std::lock_guard lock(mutex_);
  receiver_ = receiver;
}

// Bytes that come while neither capture nor forwarding is on are read and
// dropped, so a later capture sees only what arrived after it started. A hang-up
// (the device gone, the far end of a terminal closed) ends the loop: poll would
// report it at once for ever after.
void SerioRawPort::ReadLoop() {
  pollfd watch{fd_, POLLIN, 0};
  while (!stop_) {
    const int ready = ::poll(&watch, 1, kPollMs);
    if (ready < 0 && errno != EINTR) {
      lost_ = true;
      return;
    }
    if (ready <= 0) continue;
    // Without POLLIN only the hang-up and error bits are left; a read of nothing
    // at all is the end of the file.
    uint8_t buffer[64];
    const ssize_t n = (watch.revents & POLLIN) ? ::read(fd_, buffer, sizeof buffer) : 0;
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n <= 0) {
      lost_ = true;
      return;
    }
    std::lock_guard lock(mutex_);
    for (ssize_t i = 0; i < n; ++i) {
      if (receiver_) receiver_->OnKeyboardByte(buffer[i]);
      if (capturing_) captured_.push_back(buffer[i]);
    }
  }
}

}  // namespace vl
