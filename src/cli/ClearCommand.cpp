// vlat-cli clear [--yes]: empties the keyboard's memory. Exit 0 only when the
// device reported it cleared.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/Clear.h"

namespace vl::cli {

int RunClear(CliContext& context) {
  const bool yes = TakeFlag(context.args, "--yes");
  ExpectNoMoreArguments(context.args);
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalSide terminal(context, yes);
  const bool done =
      vl::RunClear(line->Access(), context.settings, *line->catalogue, terminal.reporter, terminal.prompt) &&
      line->KeepMemory(*context.err);
  return Verdict(context, done, "Память устройства очищена.", "Память устройства не очищена.");
}

}  // namespace vl::cli
