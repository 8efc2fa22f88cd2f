#pragma once
// The clear command: after the user agrees, identifies the keyboard and empties
// its memory, leaving a header that says the device holds nothing.

#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"

namespace vl {

inline constexpr const char* kClearQuestion = VL_TEXT("core", "Память устройства будет очищена. Продолжить?");
inline constexpr const char* kClearDone = VL_TEXT("core", "Память устройства очищена.");
inline constexpr const char* kClearFailed = VL_TEXT("core", "Ошибка очистки.");

// True only when the device reported the memory cleared. Every outcome is told
// through the prompt (a missing device by the detection), but a stop: a gate
// given is passed before the detection and before the clearing, and a stop there
// ends the command silently with nothing written.
bool RunClear(const PortAccess& access, const SettingsStore& settings, const IDeviceCatalogue& catalogue,
              IReporter& reporter, IPrompt& prompt, CancelGate* gate = nullptr);

}  // namespace vl
