// vlat-cli compare FILE [--yes]: reads the keyboard's layout and lists, per device
// key and layer, what differs from the layout in FILE as a download would write it
// (the device-sized block at the top-left cell). Exit 0 when equal, 1 when not,
// 2 when either side cannot be read.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/KeyboardLayout.h"
#include "core/device/LayoutCompare.h"

namespace vl::cli {

int RunCompare(CliContext& context) {
  auto& args = context.args;
  const bool yes = TakeFlag(args, "--yes");
  const std::string fileName = TakeOnlyArgument(args, "a layout file");
  TerminalSide terminal(context, yes);
  auto& [prompt, reporter] = terminal;
  SettingsStore settings = context.settings;
  TVL2Document layout;
  if (!LoadDocument(layout, fileName, settings, prompt, reporter)) return kExitUnreadable;
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;

  TVL2Document keyboard;
  const auto prepared = ReadKeyboardLayout(line->Access(), settings, *line->catalogue, keyboard, reporter, prompt);
  if (!prepared) return Verdict(context, false, "", "Сравнение не выполнено.");
  const ImageDevice device{prepared->identity.SerialNumber, prepared->model.Width, prepared->model.Height,
                           prepared->model.Check == CheckKind::Crc, prepared->header.ControllerMajor,
                           prepared->header.ControllerMinor};
  const auto differences =
      CompareLayouts(layout, keyboard, settings, device, prepared->selection, prepared->placement);
  if (!differences) {
    *context.err << "Раскладка не помещается в память устройства.\n";
    return Verdict(context, false, "", "Сравнение не выполнено.");
  }
  Json listed = Json::Array();
  for (const auto& difference : *differences) {
    *context.out << DifferenceLine(difference) << '\n';
    Json item = Json::Object().Set("column", difference.Column).Set("row", difference.Row);
    item.Set("x", difference.X).Set("y", difference.Y);
    item.Set("layer", difference.Layer == kWholeKey ? Json() : Json(difference.Layer));
    Json what = Json::Array();
    for (const auto& name : DifferenceNames(difference.What)) what.Push(name);
    listed.Push(item.Set("what", what));
  }
  context.result.Set("file", fileName).Set("equal", differences->empty()).Set("differences", listed);
  if (differences->empty()) return Verdict(context, true, "Раскладки совпадают.", "");
  *context.out << "Различий: " << differences->size() << ".\n";
  return kExitDifferent;
}

}  // namespace vl::cli
