#pragma once
// How the keyboard's byte readers (the test window, the code-sequence lines)
// hold the port: through a handle that the device invalidates when it closes the
// port, so none of them keeps a port that is gone. While a device job holds the
// port, nothing is sent through a handle and nothing is forwarded to one: the
// job's exchange must not be broken, and the keyboard's answers to the protocol
// are not key presses.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>

#include "core/device/Port.h"

namespace vl {

class PortHandle {
 public:
  // Shared by the device and the handles it gave out.
  struct Slot {
    std::mutex mutex;
    Port* port = nullptr;
    bool heldByJob = false;
  };

  PortHandle() = default;  // no port: the desktop's key events are read instead
  explicit PortHandle(std::shared_ptr<Slot> slot) : slot_(std::move(slot)) {}

  // Whether the port is still open.
  bool Valid() const {
    if (!slot_) return false;
    const std::lock_guard lock(slot_->mutex);
    return slot_->port != nullptr;
  }
  // Passes the keyboard's bytes to receiver (nullptr stops); nothing once closed
  // or while a job holds the port (false then).
  bool Forward(IByteReceiver* receiver) const {
    if (!slot_) return false;
    const std::lock_guard lock(slot_->mutex);
    if (!slot_->port || (receiver && slot_->heldByJob)) return false;
    slot_->port->Forward(receiver);
    return true;
  }
  // Sends bytes to the keyboard unless the port is closed or held by a job.
  bool Send(std::initializer_list<uint8_t> bytes) const {
    if (!slot_) return false;
    const std::lock_guard lock(slot_->mutex);
    if (!slot_->port || slot_->heldByJob) return false;
    for (const uint8_t byte : bytes)
      if (!slot_->port->SendByte(byte)) return false;
    return true;
  }

 private:
  std::shared_ptr<Slot> slot_;
};

}  // namespace vl
