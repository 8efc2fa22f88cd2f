#pragma once
// The device information command: identifies the keyboard, reads its header
// block and forms the rows of the information window.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/device/DeviceSession.h"

namespace vl {

inline constexpr const char* kInfoCaption = "Информация об устройстве";
inline constexpr const char* kControllerReadError = "Ошибка чтения версии контроллера устройства.";

using DeviceInfoTable = std::vector<std::pair<std::string, std::string>>;

// The eleven rows, or nullopt when the device is missing (told by the detection)
// or its header could not be read (told here). The header lies at the end of the
// memory the catalogue gives, so a type the catalogue does not know has none. A
// gate given is passed before the detection and before the header is read; a stop
// there gives nullopt without a word.
std::optional<DeviceInfoTable> QueryDeviceInfo(const PortAccess& access, const SettingsStore& settings,
                                               const IDeviceCatalogue& catalogue, IReporter& reporter,
                                               IPrompt& prompt, CancelGate* gate = nullptr);

}  // namespace vl
