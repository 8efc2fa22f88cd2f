// vlat-cli convert IN OUT [--password TEXT] [--no-password] [--save-settings]:
// rewrites a layout. IN is a layout file (.vld, or an old .mkb) or Macro Text
// Format (.mtf); OUT is a layout file, or Macro Text Format when it ends in .mtf.
// --password opens a protected IN and protects OUT; --no-password leaves OUT
// unprotected (both together take the password off a protected file). Layout properties that a .mtf sets hold for this run only unless
// --save-settings stores them. Exit 2 when IN cannot be read, 1 when OUT cannot
// be written.

#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/common/FileErrors.h"

namespace vl::cli {
namespace {

// What Macro Text Format has no place for.
bool HasNotesOrGroups(const TVL2Document& document) {
  for (const auto& note : document.Notes) {
    if (note) return true;
  }
  for (const auto& cell : document.Groups) {
    if (cell.IsGrouped()) return true;
  }
  return false;
}

}  // namespace

int RunConvert(CliContext& context) {
  auto& args = context.args;
  const auto password = TakeOption(args, "--password");
  const bool noPassword = TakeFlag(args, "--no-password");
  const bool saveSettings = TakeFlag(args, "--save-settings");
  if (args.size() != 2) throw UsageError{"IN and OUT expected"};
  const std::string& in = args[0];
  const std::string& out = args[1];
  const std::optional<std::string> storedPassword =
      password ? std::optional(StoredPassword(*password)) : std::nullopt;
  const LayoutFormat& outFormat = FileCommandFormat(out);
  if (!outFormat.Write) throw UsageError{"old layout files (.mkb) are read only; write a .vld"};
  if (saveSettings && !context.settingsBackend) throw UsageError{"--save-settings: no settings store here"};

  SettingsStore settings = context.settings;
  TVL2Document document;
  LayoutPrompt prompt(*context.err, password);
  if (ReadLayoutInput(document, in, settings, prompt, *context.err) != kExitOk) return UnreadableInput(context);
  if (storedPassword) document.Password = *storedPassword;
  if (noPassword) document.Password.clear();

  if (outFormat.Id == LayoutFormatId::MacroText && HasNotesOrGroups(document)) {
    *context.err << "vlat-cli convert: notes, bookmarks and groups have no place in Macro Text Format and are "
                    "left out\n";
  }
  NullReporter reporter;
  try {
    outFormat.Write(document, out, settings, reporter);
  } catch (const FileError& error) {
    PrintMessage(*context.err, error.what());
    return kExitFailure;
  }
  if (saveSettings) settings.Save(*context.settingsBackend);
  return kExitOk;
}

}  // namespace vl::cli
