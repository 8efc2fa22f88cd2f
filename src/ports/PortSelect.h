#pragma once
// Which port the device commands use: "none", a device path, or "sim[:TYPE]"
// (TYPE the device type in hex, as the catalogue's section names it). The option
// --port names it, else the stored setting "keyboard port"; empty means the
// default: /dev/serio_raw0 when it exists, otherwise none.

#include <memory>
#include <string>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/device/Clock.h"
#include "core/device/Port.h"
#include "core/settings/SettingsBackend.h"
#include "sim/SimulatedPort.h"

namespace vl {

inline constexpr const char* kDefaultSerioRawPath = "/dev/serio_raw0";

inline constexpr const char* kPortSettingName = "keyboard port";

// The port text stored with the settings; empty when none is stored.
std::string StoredPortChoice(const ISettingsBackend& backend);

struct PortChoice {
  enum class Kind { None, Device, Sim } kind = Kind::None;
  std::string path;             // Device
  uint16_t simType = 0x105;     // Sim
};

inline constexpr const char* kBadSimulatedType =
    VL_TEXT("core", "Неверный тип имитатора клавиатуры в \"%1\": нужно шестнадцатеричное число от 0 до 3FF.");

// Throws std::invalid_argument for a malformed "sim:TYPE" (kBadSimulatedType,
// translated by translate).
PortChoice ParsePortChoice(const std::string& text, const TextTranslator& translate = {});

// Opens the chosen port; the simulated keyboard runs on the given clock with
// the given configuration (its identity's type replaced by the choice's).
// A device that cannot be opened throws std::system_error.
std::unique_ptr<Port> OpenChosenPort(const PortChoice& choice, Clock& clock, sim::SimConfig simConfig = {});
// The same with the simulated keyboard described by the catalogue (memory size,
// check kind); std::invalid_argument when the catalogue does not list its type.
std::unique_ptr<Port> OpenChosenPort(const PortChoice& choice, Clock& clock, const DeviceCatalogue& catalogue);

}  // namespace vl
