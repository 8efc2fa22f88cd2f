#pragma once
// Which keyboard is attached, and its controller version. Each step opens the
// reporter's detection dialog with its caption and text and sets its attempt
// label ("1-я попытка", ...); the caller has set up the link.

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/device/DeviceIdentity.h"
#include "core/device/Transport.h"

namespace vl {

inline constexpr const char* kDetectCaption = VL_TEXT("core", "Автоопределение");
inline constexpr const char* kDetectText = VL_TEXT("core", "автоматическое определение типа подключенного устройства");
inline constexpr const char* kControllerCaption = VL_TEXT("core", "Контроллер");
inline constexpr const char* kControllerText = VL_TEXT("core", "чтение версии контроллера подключенного устройства");
inline constexpr const char* kNotConnected = VL_TEXT("core", "Устройство не подключено.");
inline constexpr const char* kPlainKeyboardOnly =
    VL_TEXT("core", "Устройство не подключено.\nНа порту обычная клавиатура, не программируемая.");
inline constexpr const char* kAttemptPattern = VL_TEXT("core", "%1-я попытка");
inline constexpr int kDetectAttempts = 3;
inline constexpr int kControllerAttempts = 5;

// "N-я попытка", in the translator's language.
std::string AttemptText(int attempt, const TextTranslator& translate = {});

// A standard keyboard's replies to command bytes it does not know.
inline constexpr uint8_t kKeyboardResend = 0xFE;
inline constexpr uint8_t kKeyboardAcknowledge = 0xFA;

// True when what arrived for the identify command is a standard keyboard's
// reply: one resend request or acknowledgement for each byte sent, and nothing
// else. The programmable keyboard sends no such replies, only its answer.
bool IsPlainKeyboardReply(const Bytes& received);

// Up to 3 identify attempts (reset first); on failure tells the user kNotConnected,
// or kPlainKeyboardOnly when every attempt got a plain keyboard's reply.
// The attempt labels speak the prompt's language.
std::optional<DeviceIdentity> DetectDevice(Link& link, IReporter& reporter, IPrompt& prompt);
// Up to 5 ReadHeader attempts; failure is the caller's to report.
std::optional<DeviceHeader> ReadControllerVersion(Link& link, uint16_t serial, uint16_t headerAddress,
                                                  IReporter& reporter, const TextTranslator& translate = {});

}  // namespace vl
