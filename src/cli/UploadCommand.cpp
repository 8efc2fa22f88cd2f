// vlat-cli upload OUT [--into FILE] [--card] [--force] [--yes]: reads the layout
// out of the keyboard into FILE's layout (or an empty one) and writes it to OUT (a
// layout file, or Macro Text Format); --card reads the card reader too. An OUT
// already there is replaced only with --force or when --into names it. Exit 0 only
// when the whole image was read and OUT written. Ctrl-C or SIGTERM stops before
// the next block; the device is left as it is.

#include <filesystem>
#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "cli/Reason.h"
#include "core/common/SafeWrite.h"

namespace vl::cli {

int RunUpload(CliContext& context) {
  auto& args = context.args;
  const auto into = TakeOption(args, "--into");
  const bool yes = TakeFlag(args, "--yes");
  const bool card = TakeFlag(args, "--card");
  const bool force = TakeFlag(args, "--force");
  const std::string outName = TakeOnlyArgument(args, "an output file");
  RequireWritableLayoutName(outName);  // before the device is read
  if (!IsReplaceableFile(outName)) {
    *context.err << outName << ": " << WriteFailureText(outName) << '\n';
    return kExitFailure;
  }
  // Updating the layout --into names is asked for; any other file there is not.
  if (!force && std::filesystem::exists(outName) && !(into && SameFile(*into, outName)))
    throw UsageError{"\"" + outName + "\" exists; give --force to replace it"};
  auto transfer = OpenLayoutTransfer(context, yes);
  if (!transfer) return kExitFailure;
  auto& [prompt, reporter] = transfer->terminal;
  TVL2Document document;
  if (into && !LoadDocument(document, *into, transfer->settings, prompt, reporter)) return UnreadableInput(context);
  // No grid selection here: the keys go to the device-sized block at the top-left cell.
  transfer->settings.Set(Setting::IsUploadInSelection, 0);
  // The card reader only when asked for, as "is upload in card" does in the program.
  transfer->settings.Set(Setting::IsUploadInCard, card ? 1 : 0);
  context.result.Set("file", outName).Set("card", card);
  const bool done = transfer->Run({OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}, {}}) &&
                    SaveDocument(document, outName, transfer->settings, prompt, reporter);
  if (done && !card) *context.out << "Считыватель магнитных карт не прочитан (--card читает и его).\n";
  return Verdict(context, done, "Раскладка прочитана из устройства и записана в " + outName + ".",
                 "Раскладка не прочитана из устройства.");
}

}  // namespace vl::cli
