#include "core/device/Detect.h"

namespace vl {

std::string AttemptText(int attempt) { return std::to_string(attempt) + "-я попытка"; }

std::optional<DeviceIdentity> DetectDevice(Link& link, IReporter& reporter, IPrompt& prompt) {
  reporter.SetStatus(kDetectText);
  for (int attempt = 1; attempt <= kDetectAttempts; ++attempt) {
    reporter.SetStatus(AttemptText(attempt));
    const Bytes answer = DeviceCommand(link, kIdentifyCode, true);
    if (answer.size() != 8) continue;
    const std::span<const uint8_t, 8> bytes(reinterpret_cast<const uint8_t*>(answer.data()), 8);
    if (CheckBlockAnyMode(bytes)) {
      reporter.SetStatus({});
      return UnpackIdentity(bytes);
    }
  }
  reporter.SetStatus({});
  prompt.Message(kNotConnected, kCaptionInformation, MessageIcon::Exclamation);
  return std::nullopt;
}

std::optional<DeviceHeader> ReadControllerVersion(Link& link, uint16_t serial, uint16_t headerAddress,
                                                  IReporter& reporter) {
  reporter.SetStatus(kControllerText);
  DeviceHeader header;
  for (int attempt = 1; attempt <= kControllerAttempts; ++attempt) {
    reporter.SetStatus(AttemptText(attempt));
    if (ReadHeader(link, serial, headerAddress, header)) {
      reporter.SetStatus({});
      return header;
    }
  }
  reporter.SetStatus({});
  return std::nullopt;
}

}  // namespace vl
