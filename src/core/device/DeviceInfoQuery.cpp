#include "core/device/DeviceInfoQuery.h"

#include "core/device/Detect.h"
#include "core/device/DeviceInfo.h"

namespace vl {

std::optional<DeviceInfoTable> QueryDeviceInfo(const PortAccess& access, const SettingsStore& settings,
                                               const IDeviceCatalogue& catalogue, IReporter& reporter,
                                               IPrompt& prompt, CancelGate* gate) {
  if (gate && !gate->Pass()) return std::nullopt;
  Link link{access.port, access.clock, access.locks, SettingsMode(settings), 0};
  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return std::nullopt;
  if (gate && !gate->Pass()) {
    StopCapture(link);
    return std::nullopt;
  }
  const auto model = catalogue.Model(identity->DeviceType);
  if (!model) {
    StopCapture(link);
    prompt.Message(catalogue.Problem(identity->DeviceType), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  link.checksumKind = static_cast<uint8_t>(model->Check);
  const auto header = ReadControllerVersion(link, identity->SerialNumber, HeaderAddress(*model), reporter);
  StopCapture(link);
  if (!header) {
    prompt.Message(kControllerReadError, kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  return DeviceInfoRows(DeviceInfoSource{
      .DeviceType = identity->DeviceType,
      .Serial = identity->SerialNumber,
      .MagneticReader = identity->HasCardReader != 0,
      .SmartCardReader = identity->HasSmartReader != 0,
      .ExternalKeyboard = identity->HasExternalKeyboard != 0,
      .About = model->About,
      .Text = model->Text,
      .Numeration = model->Numeration,
      .Keys = model->Keys,
      .Memory = model->Memory,
      .Programmer = header->Programmer,
      .ProgrammerMajor = header->ProgrammerMajor,
      .ProgrammerMinor = header->ProgrammerMinor,
      .ControllerMajor = header->ControllerMajor,
      .ControllerMinor = header->ControllerMinor,
  });
}

}  // namespace vl
