// Whatever the keyboard sends back must never crash or hang the transport: the
// input is played back as the keyboard's bytes to each answer reader.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/device/Detect.h"
#include "core/device/Transport.h"

namespace {

class PlaybackPort final : public vl::Port {
 public:
  PlaybackPort(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool SendByte(uint8_t) override { return true; }
  void SetCapture(uint32_t) override {}
  uint16_t TakeByte() override {
    if (at_ >= size_) return 0;
    return static_cast<uint16_t>(data_[at_++] << 8 | 1);
  }
  void Forward(vl::IByteReceiver*) override {}

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

class SilentPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Ok;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the link's mode and checksum kind (unknown kinds included).
  const auto mode = static_cast<vl::TransferMode>(data[0] & 1);
  const auto kind = static_cast<uint8_t>((data[0] >> 1) & 3);
  PlaybackPort port(data + 1, size - 1);
  vl::VirtualClock clock;
  vl::FixedLockState locks;
  vl::Link link{port, clock, locks, mode, kind};
  vl::NullReporter reporter;
  SilentPrompt prompt;
  vl::DetectDevice(link, reporter, prompt);
  vl::ReadControllerVersion(link, 1, 0x1FE0, reporter);
  vl::ReadBlock(link, 1, 0x0010);
  vl::ClearDevice(link, 1, 0x1FE0, 0, {});
  return 0;
}
