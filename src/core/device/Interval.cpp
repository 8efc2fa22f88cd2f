#include "core/device/Interval.h"

#include "core/device/OperationDriver.h"

namespace vl {

std::string IntervalItemText(int item) {
  const int tenths = (item + 1) * 16;
  std::string text = std::to_string(tenths / 10);
  if (tenths % 10 != 0) text += "," + std::to_string(tenths % 10);
  return text;
}

bool RunInterval(const PortAccess& access, int item, IPrompt& prompt) {
  // The check kind plays no part in the command; normal mode whatever the setting.
  Link link = OpenLink(access, TransferMode::Normal);
  const Bytes answer = DeviceCommand(link, IntervalCode(item), false);
  StopCapture(link);
  if (answer.size() == 8) return true;
  prompt.Message(kOstrelNotConnected, kCaptionError, MessageIcon::Error);
  return false;
}

}  // namespace vl
