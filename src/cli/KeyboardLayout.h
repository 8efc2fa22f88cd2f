#pragma once
// The keyboard's layout as the command line reads it: through its device line.

#include <optional>
#include <string>

#include "cli/DeviceCommandSupport.h"
#include "core/device/KeyboardLayout.h"

namespace vl::cli {

// vl::ReadKeyboardLayout through the line's port and catalogue.
std::optional<PreparedOperation> ReadKeyboardLayout(DeviceLine& line, const SettingsStore& settings,
                                                    TVL2Document& document, IReporter& reporter, IPrompt& prompt);

// True when a file can be created or replaced at path: its folder takes a new
// file and the path is not a folder, FIFO, device or a file that refuses writing.
// Asked before anything goes to the device.
bool CanWriteFile(const std::string& path);

}  // namespace vl::cli
