#include "core/device/Clear.h"

#include "core/device/Detect.h"

namespace vl {

bool RunClear(const PortAccess& access, const SettingsStore& settings, const IDeviceCatalogue& catalogue,
              IReporter& reporter, IPrompt& prompt, CancelGate* gate) {
  if (prompt.Ask(kClearQuestion, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) !=
      Answer::Yes)
    return false;
  if (gate && !gate->Pass()) return false;
  Link link = OpenLink(access, SettingsMode(settings));
  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return false;
  if (gate && !gate->Pass()) {
    StopCapture(link);
    return false;
  }
  const auto model = catalogue.Model(identity->DeviceType);
  if (!model) {
    StopCapture(link);
    prompt.Message(catalogue.Problem(identity->DeviceType), kCaptionError, MessageIcon::Error);
    return false;
  }
  link.checksumKind = static_cast<uint8_t>(model->Check);
  const bool cleared = ClearDevice(link, identity->SerialNumber, HeaderAddress(*model), 0, ProgrammerVersion{});
  StopCapture(link);
  if (cleared)
    prompt.Message(kClearDone, kCaptionInformation, MessageIcon::Information);
  else
    prompt.Message(kClearFailed, kCaptionError, MessageIcon::Error);
  return cleared;
}

}  // namespace vl
