#include "core/device/Detect.h"

#include <algorithm>
#include <iterator>

namespace vl {

std::string AttemptText(int attempt, const TextTranslator& translate) {
  return TranslatedText(translate, kAttemptPattern, {std::to_string(attempt)});
}

bool IsPlainKeyboardReply(const Bytes& received) {
  if (received.size() != std::size(kDeviceCommandPrefix) + 1) return false;
  return std::all_of(received.begin(), received.end(), [](char byte) {
    return static_cast<uint8_t>(byte) == kKeyboardResend || static_cast<uint8_t>(byte) == kKeyboardAcknowledge;
  });
}

std::optional<DeviceIdentity> DetectDevice(Link& link, IReporter& reporter, IPrompt& prompt) {
  reporter.OpenDetection(kDetectCaption, kDetectText);
  bool plainKeyboard = true;
  for (int attempt = 1; attempt <= kDetectAttempts; ++attempt) {
    reporter.SetAttempt(AttemptText(attempt, prompt.Translator()));
    Bytes received;
    const Bytes answer = DeviceCommand(link, kIdentifyCode, true, &received);
    plainKeyboard = plainKeyboard && IsPlainKeyboardReply(received);
    if (answer.size() != 8) continue;
    const std::span<const uint8_t, 8> bytes(reinterpret_cast<const uint8_t*>(answer.data()), 8);
    if (CheckBlockAnyMode(bytes)) {
      reporter.CloseDetection();
      return UnpackIdentity(bytes);
    }
  }
  reporter.CloseDetection();
  prompt.Message(plainKeyboard ? kPlainKeyboardOnly : kNotConnected, kCaptionInformation, MessageIcon::Exclamation);
  return std::nullopt;
}

std::optional<DeviceHeader> ReadControllerVersion(Link& link, uint16_t serial, uint16_t headerAddress,
                                                  IReporter& reporter, const TextTranslator& translate) {
  reporter.OpenDetection(kControllerCaption, kControllerText);
  DeviceHeader header;
  for (int attempt = 1; attempt <= kControllerAttempts; ++attempt) {
    reporter.SetAttempt(AttemptText(attempt, translate));
    if (ReadHeader(link, serial, headerAddress, header)) {
      reporter.CloseDetection();
      return header;
    }
  }
  reporter.CloseDetection();
  return std::nullopt;
}

}  // namespace vl
