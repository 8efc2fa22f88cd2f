#pragma once
// Reading the keyboard's layout for the commands that look at it before or instead
// of a download: the backup before a download and the comparison with a file.

#include <optional>
#include <string>

#include "cli/DeviceCommandSupport.h"
#include "core/device/OperationDriver.h"

namespace vl::cli {

// Reads the keyboard's layout, card reader included, into document (the upload
// into the device-sized block at the top-left cell); an empty keyboard leaves the
// document empty. What the preparation settled, or nullopt after telling why.
std::optional<PreparedOperation> ReadKeyboardLayout(DeviceLine& line, SettingsStore settings,
                                                    TVL2Document& document, IReporter& reporter, IPrompt& prompt);

// True when a file can be created or replaced at path: its folder takes a new
// file and the path is not a folder or a file that refuses writing. Asked before
// anything goes to the device.
bool CanWriteFile(const std::string& path);

}  // namespace vl::cli
