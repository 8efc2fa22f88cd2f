// vlat-cli download FILE [--rect C1,R1,C2,R2] [--verify] [--backup OUT [--force]]
// [--allow-outside] [--yes]: writes the layout (a layout file, or Macro Text
// Format) into the keyboard. Without --rect the device-sized block at the top-left
// cell goes, and keys beyond it are left out only with --allow-outside (or a Yes
// typed at the question): --yes alone does not drop them. --verify reads
// the image back and compares; --backup first saves what the keyboard holds into
// OUT once the download is agreed to (OUT must not be the input, nor an existing
// file without --force), and nothing goes to the device when OUT cannot be written. Exit 0 only when
// the device holds the layout. Ctrl-C or SIGTERM stops before the next block and
// clears the device, since a half-written layout must not run.

#include <filesystem>
#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "cli/Reason.h"
#include "core/device/KeyboardLayout.h"

namespace vl::cli {
namespace {

// The backup may neither be the layout going in (the keyboard's old layout would
// replace it) nor, without --force, any other file already there.
void RequireSeparateBackup(const std::string& input, const std::string& backup, bool force) {
  if (!std::filesystem::exists(backup)) return;
  if (SameFile(input, backup)) throw UsageError{"--backup \"" + backup + "\" is the layout file being downloaded"};
  if (!force) throw UsageError{"--backup \"" + backup + "\" exists; give --force to replace it", reason::kBackupExists};
}

}  // namespace

int RunDownload(CliContext& context) {
  auto& args = context.args;
  const auto rect = TakeOption(args, "--rect");
  const TRect selection = rect ? ParseRect(*rect) : TRect{1, 1, 1, 1};
  const bool verify = TakeFlag(args, "--verify");
  const bool yes = TakeFlag(args, "--yes");
  const auto backup = TakeOption(args, "--backup");
  const bool force = TakeFlag(args, "--force");
  const bool allowOutside = TakeFlag(args, "--allow-outside");
  const std::string fileName = TakeOnlyArgument(args, "a layout file");
  if (backup) {
    RequireWritableLayoutName(*backup);
    if (!CanWriteFile(*backup)) {
      *context.err << "\"" << *backup << "\" cannot be written; nothing was sent to the keyboard\n";
      TellReason(context, reason::kFileWrite);
      return kExitFailure;
    }
    RequireSeparateBackup(fileName, *backup, force);
  }
  auto transfer = OpenLayoutTransfer(context, yes);
  if (!transfer) return kExitFailure;
  context.result.Set("written", false);
  auto& [prompt, reporter] = transfer->terminal;
  TVL2Document document;
  if (!LoadDocument(document, fileName, transfer->settings, prompt, reporter)) return UnreadableInput(context);
  // What the keyboard holds is read first but kept only once the download is agreed to.
  TVL2Document held;
  if (backup && !ReadKeyboardLayout(transfer->line->Access(), transfer->settings, *transfer->line->catalogue,
                                    held, reporter, prompt))
    return kExitFailure;
  // There is no grid selection here: the fragment asked for as it is, or else the
  // device-sized block at the top-left cell, whatever the stored setting says.
  transfer->settings.Set(Setting::IsDownloadFromSelection, rect ? 1 : 0);
  context.result.Set("file", fileName).Set("verify", verify);
  if (backup) context.result.Set("backup", *backup);
  OperationRequest request{OperationKind::Download, document, selection, verify, {}, {}};
  // Keys beyond the device's field are counted once the field is known; a fragment
  // given with --rect leaves the rest out by choice.
  request.showFragment = [&](const TRect& fragment) {
    if (rect) return;
    const int outside = KeysOutside(document, fragment);
    context.result.Set("outside", outside);
    if (outside > 0 && (allowOutside || yes))
      prompt.Settle(KeysOutsideQuestion(outside, fragment.Width(), fragment.Height()),
                    allowOutside ? Answer::Yes : Answer::No, reason::kOutsideField);
  };
  if (backup) request.agreed = [&] { return SaveDocument(held, *backup, transfer->settings, prompt, reporter); };
  const bool done = transfer->Run(request);
  context.result.Set("written", done);
  if (context.reason == reason::kOutsideField)
    *context.err << "keys beyond the device's field: --allow-outside writes the layout without them\n";
  return Verdict(context, done,
                 verify ? "Раскладка загружена в устройство и проверена." : "Раскладка загружена в устройство.",
                 "Раскладка не загружена в устройство.");
}

}  // namespace vl::cli
