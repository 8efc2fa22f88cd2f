#pragma once
// Reading the keyboard's layout for the commands that look at it before or instead
// of a download: the backup before a download and the comparison with a file.

#include <optional>

#include "core/device/OperationDriver.h"

namespace vl {

// Reads the keyboard's layout, card reader included, into document (the upload
// into the device-sized block at the top-left cell of at, or into at itself when
// inSelection); an empty keyboard, or one never written (erased memory), leaves the
// document empty. What the preparation settled, or nullopt after telling why (a
// stop at the gate, passed after the preparation and once per block when one is
// given, is not told).
std::optional<PreparedOperation> ReadKeyboardLayout(const PortAccess& access, SettingsStore settings,
                                                    const IDeviceCatalogue& catalogue, TVL2Document& document,
                                                    IReporter& reporter, IPrompt& prompt,
                                                    CancelGate* gate = nullptr, TRect at = TRect{1, 1, 1, 1},
                                                    bool inSelection = false);

}  // namespace vl
