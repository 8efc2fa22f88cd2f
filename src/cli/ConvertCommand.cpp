// vlat-cli convert IN OUT [--password TEXT] [--no-password] [--save-settings]:
// rewrites a layout. IN is a layout file (.vld, or an old .mkb) or Macro Text
// Format (.mtf); OUT is a layout file, or Macro Text Format when it ends in .mtf.
// --password opens a protected IN and protects OUT; --no-password leaves OUT
// unprotected (both together take the password off a protected file). Layout properties that a .mtf sets hold for this run only unless
// --save-settings stores them. Exit 2 when IN cannot be read, 1 when OUT cannot
// be written. What Macro Text Format cannot carry is told on standard error (and
// listed under "losses" with --json) after OUT is written; the exit code stays 0.

#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/common/FileErrors.h"

namespace vl::cli {
namespace {

// What Macro Text Format could not carry, for scripts.
Json LossList(const std::vector<MtfLoss>& losses) {
  Json list = Json::Array();
  for (const MtfLoss& loss : losses) {
    Json item = Json::Object();
    if (loss.IsCardReader()) {
      item.Set("card", true).Set("track", loss.Layer == kMtfWholeKey ? Json() : Json(loss.Layer));
    } else {
      item.Set("column", loss.Column).Set("row", loss.Row);
      item.Set("layer", loss.Layer == kMtfWholeKey ? Json() : Json(loss.Layer));
    }
    item.Set("what", std::string(MtfLossKindName(loss.Kind)));
    if (!loss.Codes.empty()) item.Set("codes", MtfLossCodesText(loss.Codes));
    list.Push(item.Set("text", MtfLossText(loss)));
  }
  return list;
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

  NullReporter reporter;
  std::vector<MtfLoss> losses;
  try {
    losses = outFormat.Write(document, out, settings, reporter);
  } catch (const FileError& error) {
    PrintMessage(*context.err, error.what());
    return kExitFailure;
  }
  // The file is written; what it lacks is told, and the conversion still succeeds.
  if (!losses.empty()) PrintMessage(*context.err, MtfLossesMessage(losses, {}, losses.size()));
  if (outFormat.Id == LayoutFormatId::MacroText) context.result.Set("losses", LossList(losses));
  if (saveSettings) settings.Save(*context.settingsBackend);
  return kExitOk;
}

}  // namespace vl::cli
