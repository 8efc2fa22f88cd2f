// vlat-cli identify: which keyboard is on the port, and its controller version, in
// the rows of the device information window that come from the device itself.
// The catalogue gives the type's memory size (the header block sits at
// Memory - 32), check kind and serial-number style. Exit 1 when no device answers.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfo.h"

namespace vl::cli {
namespace {

// Rows of the information window that do not come from the catalogue.
bool FromDevice(const std::string& parameter) {
  for (const char* name : {"Серия", "Номер", "Наличие считывателя магнитных карт", "Наличие считывателя Smart-карт",
                           "Наличие внешней клавиатуры", "Программатор", "Версия контроллера устройства"})
    if (parameter == name) return true;
  return false;
}

}  // namespace

int RunIdentify(CliContext& context) {
  ExpectNoMoreArguments(context.args);
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalPrompt prompt(context, true);
  NullReporter reporter;
  Link link{*line->port, line->clock, line->locks, SettingsMode(context.settings), 0};

  const auto identity = DetectDevice(link, reporter, prompt);
  if (!identity) return kExitFailure;
  DeviceInfoSource source;
  source.DeviceType = identity->DeviceType;
  source.Serial = identity->SerialNumber;
  source.MagneticReader = identity->HasCardReader;
  source.SmartCardReader = identity->HasSmartReader;
  source.ExternalKeyboard = identity->HasExternalKeyboard;
  std::optional<DeviceHeader> header;
  if (const auto model = line->catalogue->Model(identity->DeviceType)) {
    source.Numeration = model->Numeration;
    link.checksumKind = static_cast<uint8_t>(model->Check);
    header = ReadControllerVersion(link, identity->SerialNumber, HeaderAddress(*model), reporter);
  } else {
    *context.err << line->catalogue->Problem(identity->DeviceType) << '\n';
  }
  if (header) {
    source.Programmer = header->Programmer;
    source.ProgrammerMajor = header->ProgrammerMajor;
    source.ProgrammerMinor = header->ProgrammerMinor;
    source.ControllerMajor = header->ControllerMajor;
    source.ControllerMinor = header->ControllerMinor;
  }
  auto& result = context.result;
  result.Set("type", DeviceSectionName(identity->DeviceType))
      .Set("serial", static_cast<int>(identity->SerialNumber))
      .Set("card_reader", identity->HasCardReader != 0)
      .Set("smart_card_reader", identity->HasSmartReader != 0)
      .Set("external_keyboard", identity->HasExternalKeyboard != 0);
  if (header) {
    result.Set("controller", std::to_string(header->ControllerMajor) + "." + std::to_string(header->ControllerMinor))
        .Set("programmer", std::to_string(header->ProgrammerMajor) + "." + std::to_string(header->ProgrammerMinor));
  } else {
    result.Set("controller", Json()).Set("programmer", Json());
  }
  if (const auto model = line->catalogue->Model(identity->DeviceType)) result.Set("memory", model->Memory);
  for (const auto& [parameter, value] : DeviceInfoRows(source)) {
    if (!FromDevice(parameter)) continue;
    const bool unread = !header && (parameter == "Программатор" || parameter == "Версия контроллера устройства");
    *context.out << parameter << ": " << (unread ? kUnknownValue : value) << '\n';
  }
  ResetKeyboard(link);
  return kExitOk;
}

}  // namespace vl::cli
