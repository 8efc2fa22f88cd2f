#pragma once
// The keyboard port over a Linux serio_raw character device (or anything that
// behaves like one, such as the simulator's pseudo-terminal). One byte per
// write; a reader thread collects what the keyboard sends while capture or
// forwarding is on.

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "core/device/Port.h"

namespace vl {

class SerioRawPort final : public Port {
 public:
  // Opens path read-write, non-blocking. Throws std::system_error when it cannot.
  explicit SerioRawPort(const std::string& path);
  ~SerioRawPort() override;
  SerioRawPort(const SerioRawPort&) = delete;
  SerioRawPort& operator=(const SerioRawPort&) = delete;

  bool SendByte(uint8_t byte) override;
  void SetCapture(uint32_t target) override;
  uint16_t TakeByte() override;
  void Forward(IByteReceiver* receiver) override;

 private:
  void ReadLoop();

  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  bool capturing_ = false;
  IByteReceiver* receiver_ = nullptr;
  std::deque<uint8_t> captured_;
  std::thread reader_;
};

}  // namespace vl
