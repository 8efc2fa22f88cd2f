// vlat-cli info (without a file): the device information window's rows, one
// "parameter: value" a line. Exit 1 when the device or its header cannot be read.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/DeviceInfoQuery.h"

namespace vl::cli {

int RunDeviceInfo(CliContext& context) {
  ExpectNoMoreArguments(context.args);
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalPrompt prompt(context, true);
  NullReporter reporter;
  const auto rows = QueryDeviceInfo(line->Access(), context.settings, *line->catalogue, reporter, prompt);
  if (!rows) return kExitFailure;
  *context.out << kInfoCaption << '\n';
  Json information = Json::Object();
  for (const auto& [parameter, value] : *rows) {
    *context.out << parameter << ": " << value << '\n';
    information.Set(parameter, value);
  }
  context.result.Set("information", information);
  return kExitOk;
}

}  // namespace vl::cli
