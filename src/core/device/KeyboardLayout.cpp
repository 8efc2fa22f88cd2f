#include "core/device/KeyboardLayout.h"

#include "core/device/CancelGate.h"
#include "core/device/Upload.h"

namespace vl {

std::optional<PreparedOperation> ReadKeyboardLayout(const PortAccess& access, SettingsStore settings,
                                                    const IDeviceCatalogue& catalogue, TVL2Document& document,
                                                    IReporter& reporter, IPrompt& prompt) {
  settings.Set(Setting::IsUploadInSelection, 0);
  settings.Set(Setting::IsUploadInCard, 1);
  const OperationRequest request{OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}, {}};
  auto prepared = PrepareOperation(access, settings, catalogue, request, reporter, prompt);
  if (!prepared) return std::nullopt;
  CancelGate gate;
  DeviceSession session{access, settings, prepared->model, prepared->identity,
                        prepared->header, reporter, prompt, gate};
  // An empty keyboard fails the upload (after saying so) before anything is stored.
  if (RunUpload(session, UploadJob{document, prepared->selection, prepared->placement}) != OperationResult::Done &&
      prepared->header.DataSize != 0)
    return std::nullopt;
  return prepared;
}

}  // namespace vl
