#pragma once
// The device information command: identifies the keyboard, reads its header
// block and forms the rows of the information window.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceIdentity.h"
#include "core/device/DeviceInfo.h"
#include "core/device/DeviceSession.h"

namespace vl {

inline constexpr const char* kInfoCaption = VL_TEXT("core", "Информация об устройстве");
inline constexpr const char* kControllerReadError = VL_TEXT("core", "Ошибка чтения версии контроллера устройства.");

using DeviceInfoTable = std::vector<std::pair<std::string, std::string>>;

// What the identification and the header block gave: no model for a type the
// catalogue does not describe (then no header either), no header when it could
// not be read.
struct DeviceInfoReading {
  DeviceIdentity identity;
  std::optional<DeviceModel> model;
  std::optional<DeviceHeader> header;

  // The window's source; the parts of a missing model or header stay empty.
  DeviceInfoSource Source() const;
};

// Identifies the device on the link and reads its header block; nullopt when no
// device answers (the detection told the user). The capture stays on.
std::optional<DeviceInfoReading> ReadDeviceInfo(Link& link, const IDeviceCatalogue& catalogue, IReporter& reporter,
                                                IPrompt& prompt);

// The eleven rows in the prompt's language, or nullopt when the device is missing (told by the detection)
// or its header could not be read (told here). The header lies at the end of the
// memory the catalogue gives, so a type the catalogue does not know has none. A
// gate given is passed before the detection and before the header is read; a stop
// there gives nullopt without a word.
std::optional<DeviceInfoTable> QueryDeviceInfo(const PortAccess& access, const SettingsStore& settings,
                                               const IDeviceCatalogue& catalogue, IReporter& reporter,
                                               IPrompt& prompt, CancelGate* gate = nullptr);
// The same reading as the window's source, for those who format it themselves.
std::optional<DeviceInfoSource> QueryDeviceInfoSource(const PortAccess& access, const SettingsStore& settings,
                                                      const IDeviceCatalogue& catalogue, IReporter& reporter,
                                                      IPrompt& prompt, CancelGate* gate = nullptr);

}  // namespace vl
