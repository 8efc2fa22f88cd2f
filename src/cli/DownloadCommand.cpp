// vlat-cli download FILE [--rect C1,R1,C2,R2] [--verify] [--backup OUT] [--yes]:
// writes the layout (a layout file, or Macro Text Format) into the keyboard.
// Without --rect the device-sized block at the top-left cell goes; --verify reads
// the image back and compares; --backup first saves what the keyboard holds into
// OUT, and nothing goes to the device when OUT cannot be written. Exit 0 only when
// the device holds the layout. Ctrl-C or SIGTERM stops before the next block and
// clears the device, since a half-written layout must not run.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/KeyboardLayout.h"

namespace vl::cli {

int RunDownload(CliContext& context) {
  auto& args = context.args;
  const auto rect = TakeOption(args, "--rect");
  const TRect selection = rect ? ParseRect(*rect) : TRect{1, 1, 1, 1};
  const bool verify = TakeFlag(args, "--verify");
  const bool yes = TakeFlag(args, "--yes");
  const auto backup = TakeOption(args, "--backup");
  const std::string fileName = TakeOnlyArgument(args, "a layout file");
  if (backup) {
    RequireWritableLayoutName(*backup);
    if (!CanWriteFile(*backup)) {
      *context.err << "\"" << *backup << "\" cannot be written; nothing was sent to the keyboard\n";
      return kExitFailure;
    }
  }
  auto transfer = OpenLayoutTransfer(context, yes);
  if (!transfer) return kExitFailure;
  context.result.Set("written", false);
  auto& [prompt, reporter] = transfer->terminal;
  TVL2Document document;
  if (!LoadDocument(document, fileName, transfer->settings, prompt, reporter)) return kExitFailure;
  if (backup) {
    TVL2Document held;
    if (!ReadKeyboardLayout(transfer->line->Access(), transfer->settings, *transfer->line->catalogue, held,
                            reporter, prompt) ||
        !SaveDocument(held, *backup, transfer->settings, prompt, reporter))
      return kExitFailure;
  }
  // There is no grid selection here: the fragment asked for as it is, or else the
  // device-sized block at the top-left cell, whatever the stored setting says.
  transfer->settings.Set(Setting::IsDownloadFromSelection, rect ? 1 : 0);
  context.result.Set("file", fileName).Set("verify", verify);
  if (backup) context.result.Set("backup", *backup);
  const bool done = transfer->Run({OperationKind::Download, document, selection, verify, {}});
  context.result.Set("written", done);
  return Verdict(context, done,
                 verify ? "Раскладка загружена в устройство и проверена." : "Раскладка загружена в устройство.",
                 "Раскладка не загружена в устройство.");
}

}  // namespace vl::cli
