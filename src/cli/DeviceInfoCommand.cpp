// vlat-cli info (without a file): the device information window's rows, one
// "parameter: value" a line; under --json the same facts under stable English
// names, numbers as numbers. Exit 1 when the device or its header cannot be read.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/DeviceInfoQuery.h"

namespace vl::cli {
namespace {

// "major.minor", or null where the window shows "?" (a digit of 10 or more).
Json Version(uint8_t major, uint8_t minor) {
  if (major >= 10 || minor >= 10) return {};
  return std::to_string(major) + "." + std::to_string(minor);
}

Json Information(const DeviceInfoSource& source) {
  const Json programmer = Version(source.ProgrammerMajor, source.ProgrammerMinor);
  const std::string name = ProgrammerName(source.Programmer);
  return Json::Object()
      .Set("type", DeviceSectionName(source.DeviceType))
      .Set("name", source.About)
      .Set("serial", static_cast<int>(source.Serial))
      .Set("number", FormatSerialNumber(source.Serial, source.Numeration))
      .Set("keys", source.Keys)
      .Set("execution", source.Text)
      .Set("card_reader", source.MagneticReader)
      .Set("smart_card_reader", source.SmartCardReader)
      .Set("external_keyboard", source.ExternalKeyboard)
      .Set("memory_bytes", source.Memory)
      .Set("programmer", programmer.IsNull() || name == kUnknownValue ? Json() : Json(name))
      .Set("programmer_version", programmer)
      .Set("controller", Version(source.ControllerMajor, source.ControllerMinor));
}

}  // namespace

int RunDeviceInfo(CliContext& context) {
  ExpectNoMoreArguments(context.args);
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalPrompt prompt(context, true);
  NullReporter reporter;
  const auto source = QueryDeviceInfoSource(line->Access(), context.settings, *line->catalogue, reporter, prompt);
  if (!source) return kExitFailure;
  *context.out << kInfoCaption << '\n';
  for (const auto& [parameter, value] : DeviceInfoRows(*source)) *context.out << parameter << ": " << value << '\n';
  context.result.Set("information", Information(*source));
  return kExitOk;
}

}  // namespace vl::cli
