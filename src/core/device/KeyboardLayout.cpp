#include "core/device/KeyboardLayout.h"

#include "core/device/CancelGate.h"
#include "core/device/Upload.h"

namespace vl {
namespace {

constexpr uint16_t kErasedDataSize = 0xFFFF;

}  // namespace

std::optional<PreparedOperation> ReadKeyboardLayout(const PortAccess& access, SettingsStore settings,
                                                    const IDeviceCatalogue& catalogue, TVL2Document& document,
                                                    IReporter& reporter, IPrompt& prompt, CancelGate* gate, TRect at,
                                                    bool inSelection) {
  settings.Set(Setting::IsUploadInSelection, inSelection ? 1 : 0);
  settings.Set(Setting::IsUploadInCard, 1);
  const TRect selection = inSelection ? at : TRect{at.Left, at.Top, at.Left, at.Top};
  const OperationRequest request{OperationKind::Upload, document, selection, false, {}, {}};
  auto prepared = PrepareOperation(access, settings, catalogue, request, reporter, prompt);
  if (!prepared) return std::nullopt;
  // A stop decided during the preparation ends the read here, whatever the keyboard
  // holds: an empty or never written one has no block at which it would be seen.
  if (gate && !gate->Pass()) return std::nullopt;
  // A keyboard never written holds erased memory, its stored size included: there
  // is nothing to keep, and no reason to stop the download that follows.
  if (prepared->header.DataSize == kErasedDataSize) return prepared;
  CancelGate ownGate;
  DeviceSession session{access, settings, prepared->model, prepared->identity,
                        prepared->header, reporter, prompt, gate ? *gate : ownGate};
  // An empty keyboard fails the upload (after saying so) before anything is stored.
  DeviceRead read;
  const OperationResult result = RunUpload(session, UploadJob{read, prepared->selection, prepared->placement});
  StoreDeviceRead(document, read);
  if (result == OperationResult::Cancelled || (result == OperationResult::Failed && prepared->header.DataSize != 0))
    return std::nullopt;
  return prepared;
}

}  // namespace vl
