#pragma once
// The scan-code interval command: sets the attached keyboard's interval between
// the scan codes it sends, always in normal mode. The setting "ibd" is not changed.

#include "core/common/Prompt.h"
#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"

namespace vl {

inline constexpr const char* kOstrelNotConnected = VL_TEXT("core", "Устройство Ostrel не подключено.");
inline constexpr int kIntervalItems = 16;

// The list item of the interval dialog: item i is (i + 1) x 1.6 ms, "1,6" to "25,6"
// (the decimal sign the translator's).
std::string IntervalItemText(int item, const TextTranslator& translate = {});

// Sends the interval command for list item 0..15; without an 8-byte answer the
// user is told the device is not connected and the result is false.
bool RunInterval(const PortAccess& access, int item, IPrompt& prompt);

}  // namespace vl
