#include "core/device/DeviceInfoQuery.h"

#include "core/device/Detect.h"

namespace vl {

DeviceInfoSource DeviceInfoReading::Source() const {
  DeviceInfoSource source;
  source.DeviceType = identity.DeviceType;
  source.Serial = identity.SerialNumber;
  source.MagneticReader = identity.HasCardReader != 0;
  source.SmartCardReader = identity.HasSmartReader != 0;
  source.ExternalKeyboard = identity.HasExternalKeyboard != 0;
  if (model) {
    source.About = model->About;
    source.Text = model->Text;
    source.Numeration = model->Numeration;
    source.Keys = model->Keys;
    source.Memory = model->Memory;
  }
  if (header) {
    source.Programmer = header->Programmer;
    source.ProgrammerMajor = header->ProgrammerMajor;
    source.ProgrammerMinor = header->ProgrammerMinor;
    source.ControllerMajor = header->ControllerMajor;
    source.ControllerMinor = header->ControllerMinor;
  }
  return source;
}

std::optional<DeviceInfoReading> ReadDeviceInfo(Link& link, const IDeviceCatalogue& catalogue, IReporter& reporter,
                                                IPrompt& prompt) {
  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return std::nullopt;
  DeviceInfoReading reading{*identity, catalogue.Model(identity->DeviceType), std::nullopt};
  if (reading.model) {
    link.checksumKind = static_cast<uint8_t>(reading.model->Check);
    reading.header = ReadControllerVersion(link, identity->SerialNumber, HeaderAddress(*reading.model), reporter,
                                           prompt.Translator());
  }
  return reading;
}

std::optional<DeviceInfoTable> QueryDeviceInfo(const PortAccess& access, const SettingsStore& settings,
                                               const IDeviceCatalogue& catalogue, IReporter& reporter,
                                               IPrompt& prompt, CancelGate* gate) {
  const auto source = QueryDeviceInfoSource(access, settings, catalogue, reporter, prompt, gate);
  if (!source) return std::nullopt;
  return DeviceInfoRows(*source, prompt.Translator());
}

std::optional<DeviceInfoSource> QueryDeviceInfoSource(const PortAccess& access, const SettingsStore& settings,
                                                      const IDeviceCatalogue& catalogue, IReporter& reporter,
                                                      IPrompt& prompt, CancelGate* gate) {
  if (gate && !gate->Pass()) return std::nullopt;
  Link link = OpenLink(access, SettingsMode(settings));
  const auto reading = ReadDeviceInfo(link, catalogue, reporter, prompt);
  if (!reading) return std::nullopt;
  StopCapture(link);
  if (gate && !gate->Pass()) return std::nullopt;
  if (!reading->model) {
    prompt.Message(catalogue.Problem(reading->identity.DeviceType), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  if (!reading->header) {
    prompt.Message(kControllerReadError, kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  return reading->Source();
}

}  // namespace vl
