// vlat-cli compare FILE [--yes]: reads the keyboard's layout and lists, per device
// key and layer, what differs from the layout in FILE as a download would write it
// (the device-sized block at the top-left cell). Exit 0 when equal, 1 when not,
// 2 when either side cannot be read.

#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "cli/LayoutFiles.h"
#include "core/device/DeviceImage.h"
#include "core/device/Download.h"
#include "core/device/KeyboardLayout.h"
#include "core/device/LayoutCompare.h"

namespace vl::cli {

namespace {
constexpr int kExitDifferent = 1;
constexpr int kExitError = 2;
}  // namespace

int RunCompare(CliContext& context) {
  auto& args = context.args;
  const bool yes = TakeFlag(args, "--yes");
  const std::string fileName = TakeOnlyArgument(args, "a layout file");
  TerminalSide terminal(context, yes);
  auto& [prompt, reporter] = terminal;
  SettingsStore settings = context.settings;
  TVL2Document layout;
  if (!LoadDocument(layout, fileName, settings, prompt, reporter)) return kExitError;
  auto line = OpenDeviceLine(context);
  if (!line) return kExitError;

  TVL2Document keyboard;
  const auto prepared = ReadKeyboardLayout(line->Access(), settings, *line->catalogue, keyboard, reporter, prompt);
  if (!prepared) return kExitError;
  const ImageDevice device{prepared->identity.SerialNumber, prepared->model.Width, prepared->model.Height,
                           prepared->model.Check == CheckKind::Crc, prepared->header.ControllerMajor,
                           prepared->header.ControllerMinor};
  // A layout the download would refuse is told as the download tells it, not
  // listed as differences.
  const auto image = BuildDeviceImage(layout, settings, device, prepared->selection, prepared->placement);
  const auto differences =
      CompareLayouts(layout, keyboard, settings, device, prepared->selection, prepared->placement);
  if (!image || static_cast<int>(image->size()) >= AddressableMemory(prepared->model) - 32 || !differences) {
    PrintMessage(*context.err, kImageTooLarge);
    return kExitError;
  }
  for (const auto& difference : *differences) *context.out << DifferenceLine(difference) << '\n';
  return differences->empty() ? kExitOk : kExitDifferent;
}

}  // namespace vl::cli
