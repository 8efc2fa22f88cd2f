#pragma once
// What the catalogue commands of vlat-cli share: the catalogue of the data folder
// and device types written on the command line.

#include <cstdint>
#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "core/catalogue/DeviceCatalogue.h"

namespace vl::cli {

// DEVICES.TYP of the data folder; nullopt (told on err) when it cannot be read.
std::optional<DeviceCatalogue> OpenCatalogue(CliContext& context);

// A device type as 1 to 4 hexadecimal digits ("0105", "105"); UsageError otherwise.
uint16_t ParseDeviceType(const std::string& text);

}  // namespace vl::cli
