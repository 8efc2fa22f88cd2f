// vlat-cli upload OUT [--into FILE] [--yes]: reads the layout out of the keyboard
// into FILE's layout (or an empty one) and writes it to OUT (a layout file, or
// Macro Text Format). Exit 0 only when the
// whole image was read and OUT written. Ctrl-C or SIGTERM stops before the next
// block; the device is left as it is.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/common/SafeWrite.h"

namespace vl::cli {

int RunUpload(CliContext& context) {
  auto& args = context.args;
  const auto into = TakeOption(args, "--into");
  const bool yes = TakeFlag(args, "--yes");
  const std::string outName = TakeOnlyArgument(args, "an output file");
  RequireWritableLayoutName(outName);  // before the device is read
  if (!IsReplaceableFile(outName)) {
    *context.err << outName << ": " << WriteFailureText(outName) << '\n';
    return kExitFailure;
  }
  auto transfer = OpenLayoutTransfer(context, yes);
  if (!transfer) return kExitFailure;
  auto& [prompt, reporter] = transfer->terminal;
  TVL2Document document;
  if (into && !LoadDocument(document, *into, transfer->settings, prompt, reporter)) return kExitFailure;
  // No grid selection here: the keys go to the device-sized block at the top-left cell.
  transfer->settings.Set(Setting::IsUploadInSelection, 0);
  if (!transfer->Run({OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}, {}})) return kExitFailure;
  return SaveDocument(document, outName, transfer->settings, prompt, reporter) ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
