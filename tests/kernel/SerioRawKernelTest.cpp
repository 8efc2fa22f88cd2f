// SerioRawPort on /dev/serio_raw0 (or $VLAT_KERNEL_PORT) of a real kernel, with
// a PS/2 keyboard behind the i8042 controller: what the pseudo-terminal of the
// simulated keyboard cannot show (a character device without terminal modes,
// one byte per write through the controller, the keyboard's own answers).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/SerioRawPort.h"

namespace vl {
namespace {

constexpr uint8_t kEcho = 0xEE;         // the keyboard answers with the same byte
constexpr uint8_t kIdentify = 0xF2;     // answered with an acknowledgement and two id bytes
constexpr uint8_t kAcknowledge = 0xFA;
constexpr uint8_t kKeyboardId = 0xAB;
constexpr auto kAnswerWait = std::chrono::seconds{2};

std::string PortPath() {
  const char* path = std::getenv("VLAT_KERNEL_PORT");
  return path ? path : "/dev/serio_raw0";
}

// What capture collects until count bytes are in or the wait runs out.
std::vector<uint8_t> Captured(Port& port, size_t count) {
  std::vector<uint8_t> bytes;
  const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
  while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
    const uint16_t taken = port.TakeByte();
    if (taken & 0xFF)
      bytes.push_back(static_cast<uint8_t>(taken >> 8));
    else
      std::this_thread::sleep_for(std::chrono::milliseconds{2});
  }
  return bytes;
}

class Collector final : public IByteReceiver {
 public:
  void OnKeyboardByte(uint8_t byte) override {
    std::lock_guard lock(mutex_);
    bytes_.push_back(byte);
  }
  std::vector<uint8_t> Bytes() {
    std::lock_guard lock(mutex_);
    return bytes_;
  }

 private:
  std::mutex mutex_;
  std::vector<uint8_t> bytes_;
};

TEST(SerioRawKernel, CommandsReachTheKeyboardAndItsAnswersComeBackInOrder) {
  SerioRawPort port(PortPath());
  port.SetCapture(1);
  ASSERT_TRUE(port.SendByte(kEcho));
  EXPECT_EQ(Captured(port, 1), std::vector<uint8_t>{kEcho});
  ASSERT_TRUE(port.SendByte(kIdentify));
  const auto answer = Captured(port, 3);
  ASSERT_EQ(answer.size(), 3u);
  EXPECT_EQ(answer[0], kAcknowledge);
  EXPECT_EQ(answer[1], kKeyboardId);
  // Bytes that come while capture is off are gone when it starts again.
  port.SetCapture(0);
  ASSERT_TRUE(port.SendByte(kEcho));
  std::this_thread::sleep_for(std::chrono::milliseconds{300});
  port.SetCapture(1);
  EXPECT_TRUE(Captured(port, 1).empty());
}

TEST(SerioRawKernel, ForwardsTheKeyboardsBytesAsTheyArrive) {
  SerioRawPort port(PortPath());
  Collector collector;
  port.Forward(&collector);
  ASSERT_TRUE(port.SendByte(kEcho));
  const auto deadline = std::chrono::steady_clock::now() + kAnswerWait;
  while (collector.Bytes().empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds{5});
  port.Forward(nullptr);
  EXPECT_EQ(collector.Bytes(), std::vector<uint8_t>{kEcho});
}

TEST(SerioRawKernel, TheDeviceIsOneProgramsAtATime) {
  {
    SerioRawPort first(PortPath());
    EXPECT_THROW(SerioRawPort second(PortPath()), PortBusyError);
  }
  // Free again once the first holder closed it.
  SerioRawPort again(PortPath());
  again.SetCapture(1);
  ASSERT_TRUE(again.SendByte(kEcho));
  EXPECT_EQ(Captured(again, 1), std::vector<uint8_t>{kEcho});
}

}  // namespace
}  // namespace vl
