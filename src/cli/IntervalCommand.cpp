// vlat-cli interval MS: sets the keyboard's interval between scan codes to one of
// the sixteen steps of 1.6 ms ("3.2" or "3,2"). The setting "ibd" is left alone.

#include <cmath>
#include <iostream>

#include "cli/DeviceCommandSupport.h"
#include "core/device/Interval.h"

namespace vl::cli {
namespace {

// The list item whose interval the text names.
int ItemOf(std::string text) {
  for (char& c : text)
    if (c == ',') c = '.';
  double ms = 0;
  try {
    size_t used = 0;
    ms = std::stod(text, &used);
    if (used != text.size()) ms = 0;
  } catch (const std::exception&) {
  }
  const long steps = std::lround(ms / 1.6);
  if (steps < 1 || steps > kIntervalItems || std::abs(steps * 1.6 - ms) > 0.05)
    throw UsageError{"the interval is one of 1.6, 3.2, ... 25.6 ms"};
  return static_cast<int>(steps - 1);
}

}  // namespace

int RunInterval(CliContext& context) {
  if (context.args.size() != 1) throw UsageError{"one interval in milliseconds is needed"};
  const int item = ItemOf(context.args.front());
  auto line = OpenDeviceLine(context);
  if (!line) return kExitFailure;
  TerminalPrompt prompt(context, true);
  context.result.Set("interval", (item + 1) * 16 / 10.0);
  const bool done = vl::RunInterval(line->Access(), item, prompt) && line->KeepMemory(*context.err);
  return Verdict(context, done, "Интервал между скан-кодами установлен: " + IntervalItemText(item) + " мс.",
                 "Интервал между скан-кодами не установлен.");
}

}  // namespace vl::cli
