#include "core/device/Interval.h"

#include "core/common/DecimalText.h"
#include "core/device/OperationDriver.h"

namespace vl {

std::string IntervalItemText(int item, const TextTranslator& translate) {
  const int tenths = (item + 1) * 16;
  if (tenths % 10 == 0) return std::to_string(tenths / 10);
  return DecimalText(tenths / 10, tenths % 10, translate);
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
