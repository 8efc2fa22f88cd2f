// vlat-cli compare FILE [--no-card] [--yes]: reads the keyboard's layout and lists,
// per device key and layer, what differs from the layout in FILE as a download
// would write it (the device-sized block at the top-left cell), then per card
// reader track. compare A B does the same for two layout files, without a device.
// Exit 0 when equal, 1 when not.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/device/Download.h"
#include "core/device/KeyboardLayout.h"
#include "core/device/LayoutCompare.h"

namespace vl::cli {
namespace {

constexpr const char* kCompareFailed = "Сравнение не выполнено.";

// Prints the differences and fills the result; the exit code.
int Report(CliContext& context, const std::vector<KeyDifference>& keys, const std::vector<TrackDifference>& tracks) {
  Json listed = Json::Array();
  for (const auto& difference : keys) {
    *context.out << DifferenceLine(difference) << '\n';
    Json item = Json::Object().Set("column", difference.Column).Set("row", difference.Row);
    if (difference.X != kNoDeviceKey) item.Set("x", difference.X).Set("y", difference.Y);
    item.Set("layer", difference.Layer == kWholeKey ? Json() : Json(difference.Layer));
    Json what = Json::Array();
    for (const auto& name : DifferenceNames(difference.What)) what.Push(name);
    listed.Push(item.Set("what", what));
  }
  for (const auto& difference : tracks) {
    *context.out << TrackDifferenceLine(difference) << '\n';
    Json what = Json::Array();
    for (const auto& name : TrackDifferenceNames(difference.What)) what.Push(name);
    listed.Push(Json::Object().Set("track", difference.Track).Set("what", what));
  }
  const size_t count = keys.size() + tracks.size();
  context.result.Set("equal", count == 0).Set("differences", listed);
  if (count == 0) return Verdict(context, true, "Раскладки совпадают.", "");
  *context.out << "Различий: " << count << ".\n";
  return kExitDifferent;
}

}  // namespace

int RunCompare(CliContext& context) {
  auto& args = context.args;
  const bool yes = TakeFlag(args, "--yes");
  const bool card = !TakeFlag(args, "--no-card");
  if (args.empty()) throw UsageError{"a layout file is needed"};
  if (args.size() > 2) throw UsageError{"unexpected argument: " + args[2]};
  TerminalSide terminal(context, yes);
  auto& [prompt, reporter] = terminal;
  SettingsStore settings = context.settings;
  TVL2Document layout;
  if (!LoadDocument(layout, args[0], settings, prompt, reporter)) return UnreadableInput(context);
  context.result.Set("file", args[0]);

  if (args.size() == 2) {
    TVL2Document other;
    if (!LoadDocument(other, args[1], settings, prompt, reporter)) return UnreadableInput(context);
    context.result.Set("other", args[1]);
    return Report(context, CompareLayoutFiles(layout, other),
                  card ? CompareLayoutFileCards(layout, other) : std::vector<TrackDifference>{});
  }

  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TVL2Document keyboard;
  const auto prepared = ReadKeyboardLayout(line->Access(), settings, *line->catalogue, keyboard, reporter, prompt);
  if (!prepared) return Verdict(context, false, "", kCompareFailed);
  // Keys a download would leave out are no difference of the keyboard's, but the
  // download refuses them unless told to drop them: say how many.
  const int outside = KeysOutside(layout, prepared->selection);
  context.result.Set("outside", outside);
  if (outside > 0)
    *context.out << "Клавиш с данными вне поля устройства (" << prepared->model.Width << "x" << prepared->model.Height
                 << "): " << outside << ".\n";
  // A layout the download would refuse is told as the download tells it, not
  // listed as differences; like an unreadable input it cannot be compared at all.
  const auto comparison = CompareWithKeyboard(layout, keyboard, settings, *prepared, card);
  if (!comparison) {
    TellReason(context, reason::kTooLarge);
    PrintMessage(*context.err, kImageTooLarge);
    Verdict(context, false, "", kCompareFailed);
    return kExitUnreadable;
  }
  return Report(context, comparison->keys, comparison->tracks);
}

}  // namespace vl::cli
