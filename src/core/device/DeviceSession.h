#pragma once
// What the device procedures (download, upload, clear, information) share: the
// attached device as the catalogue describes it, the session a worker runs in,
// and the finishing routine that leaves the keyboard reset or cleared.

#include <cstdint>
#include <optional>
#include <string>

#include "core/catalogue/DeviceModel.h"
#include "core/catalogue/IDeviceCatalogue.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/device/CancelGate.h"
#include "core/device/CheckBytes.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceIdentity.h"
#include "core/device/DeviceImage.h"
#include "core/device/Transport.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// Address of the header block: Memory - 32 in 16 bits.
uint16_t HeaderAddress(const DeviceModel& model);
// The memory the size checks compare with: "Memory", but at most the 64 KiB the
// device addresses. (Cut to 16 bits, a 65536-byte device would hold nothing.)
int AddressableMemory(const DeviceModel& model);

// The port with its clock and lock state: what OpenPort gets.
struct PortAccess {
  Port& port;
  Clock& clock;
  const ILockState& locks;
};

// Opens the link in the given mode with the model's check kind.
Link OpenLink(const PortAccess& access, TransferMode mode, const DeviceModel& model);
// Opens the link for detection, before the model and its check kind are known:
// packets carry the sum until the caller sets the model's kind.
Link OpenLink(const PortAccess& access, TransferMode mode);
// The mode the setting "load readwrite mode" names.
TransferMode SettingsMode(const SettingsStore& settings);

// A worker's fields: filled by the preparation, read by the worker.
struct DeviceSession {
  PortAccess access;
  const SettingsStore& settings;
  DeviceModel model;
  DeviceIdentity identity;
  DeviceHeader header;  // as read just before the transfer
  IReporter& reporter;
  IPrompt& prompt;
  CancelGate& gate;
};

enum class OperationResult { Done, Failed, Cancelled };

// How a block-by-block transfer of device memory ended: every block through, a
// block that failed all its attempts, or stopped at the gate.
enum class MemoryTransfer { Done, Failed, Stopped };

inline constexpr const char* kStatusReset = VL_TEXT("core", "сброс устройства");
inline constexpr const char* kStatusClearing = VL_TEXT("core", "очистка памяти устройства");

// The finishing routine after an error or a cancel: with clear the device memory
// is cleared, otherwise the keyboard is reset; a non-empty message is shown with
// an exclamation. Ends the capture; the caller closes the link.
void FinishOperation(Link& link, DeviceSession& session, const std::string& message, bool clear);

// The progress position once per block: done / total x 100, rounded.
int BlockPosition(size_t done, size_t total);

// A retry status text, from its pattern ("%1-й повтор ...") in the prompt's language.
std::string RetryText(const DeviceSession& session, int number, const char* pattern);

}  // namespace vl
