// vlat-cli upload OUT [--into FILE] [--yes]: reads the layout out of the keyboard
// into FILE's layout (or an empty one) and writes it to OUT (a layout file, or
// Macro Text Format). Exit 0 only when the
// whole image was read and OUT written. Ctrl-C or SIGTERM stops before the next
// block; the device is left as it is.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "cli/SignalCancel.h"
#include "core/device/OperationDriver.h"

namespace vl::cli {

int RunUpload(CliContext& context) {
  auto& args = context.args;
  const auto into = TakeOption(args, "--into");
  const bool yes = TakeFlag(args, "--yes");
  const std::string outName = TakeOnlyArgument(args, "an output file");
  RequireWritableLayoutName(outName);  // before the device is read
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;

  TerminalSide terminal(context, yes);
  auto& [prompt, reporter] = terminal;
  SettingsStore settings = context.settings;
  TVL2Document document;
  if (into && !LoadDocument(document, *into, settings, prompt, reporter)) return kExitFailure;
  // No grid selection here: the keys go to the device-sized block at the top-left cell.
  settings.Set(Setting::IsUploadInSelection, 0);
  CancelGate gate;
  const SignalCancel interrupt(gate);
  const OperationRequest request{OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}};
  if (RunDeviceOperation(line->Access(), settings, *line->catalogue, request, reporter, prompt, gate) !=
      OperationResult::Done)
    return kExitFailure;
  return SaveDocument(document, outName, settings, prompt, reporter) ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
