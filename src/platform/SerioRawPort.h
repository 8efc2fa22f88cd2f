#pragma once
// The keyboard port over a Linux serio_raw character device (or anything that
// behaves like one, such as the simulator's pseudo-terminal). One byte per
// write; a reader thread collects what the keyboard sends while capture or
// forwarding is on.

#include <atomic>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>

#include "core/device/Port.h"

namespace vl {

// The path is not taken as the keyboard port; what() is the whole message.
class PortRefusedError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Another program has the port open.
class PortBusyError final : public PortRefusedError {
 public:
  explicit PortBusyError(const std::string& path);
};

// The path is no character device (a layout file, a FIFO, a folder): protocol
// bytes written there would only damage it.
class NotAPortError final : public PortRefusedError {
 public:
  explicit NotAPortError(const std::string& path);
};

class SerioRawPort final : public Port {
 public:
  // Opens path read-write, non-blocking, and takes it for this object alone (an
  // exclusive lock, and exclusive mode on a terminal) until it is destroyed.
  // Throws NotAPortError for anything but a character device (before a byte is
  // written), PortBusyError when another program holds it, std::system_error when
  // it cannot be opened.
  explicit SerioRawPort(const std::string& path);
  ~SerioRawPort() override;
  SerioRawPort(const SerioRawPort&) = delete;
  SerioRawPort& operator=(const SerioRawPort&) = delete;

  bool SendByte(uint8_t byte) override;
  void SetCapture(uint32_t target) override;
  uint16_t TakeByte() override;
  void Forward(IByteReceiver* receiver) override;
  bool Lost() const override { return lost_; }

 private:
  void ReadLoop();

  int fd_ = -1;
  bool terminal_ = false;  // in exclusive mode, to be left on close
  std::atomic<bool> stop_{false};
  std::atomic<bool> lost_{false};
  std::mutex mutex_;
  bool capturing_ = false;
  IByteReceiver* receiver_ = nullptr;
  std::deque<uint8_t> captured_;
  std::thread reader_;
};

}  // namespace vl
