// vlat-cli identify: which keyboard is on the port, and its controller version, in
// the rows of the device information window that come from the device itself.
// The catalogue gives the type's memory size (the header block sits at
// Memory - 32), check kind and serial-number style. Exit 1 when no device answers.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/DeviceInfoQuery.h"

namespace vl::cli {

int RunIdentify(CliContext& context) {
  ExpectNoMoreArguments(context.args);
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalPrompt prompt(context, true);
  NullReporter reporter;
  Link link{*line->port, line->clock, line->locks, SettingsMode(context.settings), 0};

  const auto reading = ReadDeviceInfo(link, *line->catalogue, reporter, prompt);
  if (!reading) return kExitFailure;
  const DeviceIdentity& identity = reading->identity;
  const auto& header = reading->header;
  if (!reading->model) *context.err << line->catalogue->Problem(identity.DeviceType) << '\n';
  auto& result = context.result;
  result.Set("type", DeviceSectionName(identity.DeviceType))
      .Set("serial", static_cast<int>(identity.SerialNumber))
      .Set("card_reader", identity.HasCardReader != 0)
      .Set("smart_card_reader", identity.HasSmartReader != 0)
      .Set("external_keyboard", identity.HasExternalKeyboard != 0);
  if (header) {
    result.Set("controller", std::to_string(header->ControllerMajor) + "." + std::to_string(header->ControllerMinor))
        .Set("programmer", std::to_string(header->ProgrammerMajor) + "." + std::to_string(header->ProgrammerMinor));
  } else {
    result.Set("controller", Json()).Set("programmer", Json());
  }
  if (reading->model) result.Set("memory", reading->model->Memory);
  const auto rows = DeviceInfoRows(reading->Source());
  for (int index = 0; index < kDeviceInfoRowCount; ++index) {
    const auto row = static_cast<DeviceInfoRow>(index);
    if (!ComesFromDevice(row)) continue;
    const auto& [parameter, value] = rows[static_cast<size_t>(index)];
    *context.out << parameter << ": " << (!header && ComesFromHeader(row) ? kUnknownValue : value) << '\n';
  }
  ResetKeyboard(link);
  return kExitOk;
}

}  // namespace vl::cli
