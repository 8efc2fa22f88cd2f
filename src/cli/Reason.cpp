#include "cli/Reason.h"

#include <array>
#include <string_view>

#include "cli/CliContext.h"
#include "core/common/SafeWrite.h"
#include "core/device/Clear.h"
#include "core/device/Detect.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/device/Upload.h"

namespace vl::cli {
namespace {

struct KnownMessage {
  const char* text;  // a pattern's "%1" and what follows it are not compared
  const char* reason;
};

// The text up to a pattern's first "%1": what every message of the pattern starts with.
std::string_view Lead(const char* text) {
  const std::string_view whole(text);
  return whole.substr(0, whole.find("%1"));
}

}  // namespace

std::string ReasonOfMessage(const std::string& text) {
  static const std::array known = {
      KnownMessage{kNotConnected, reason::kNotConnected},
      KnownMessage{kPlainKeyboardOnly, reason::kNotConnected},
      KnownMessage{kOstrelNotConnected, reason::kNotConnected},
      KnownMessage{kControllerReadError, reason::kController},
      KnownMessage{kDeviceEmpty, reason::kEmpty},
      KnownMessage{kDataSizeError, reason::kDataSize},
      KnownMessage{kReadError, reason::kReadFailed},
      KnownMessage{kCrcError, reason::kChecksum},
      KnownMessage{kProcessError, reason::kProcess},
      KnownMessage{kImageTooLarge, reason::kTooLarge},
      KnownMessage{kWriteErrorNormal, reason::kWriteFailed},
      KnownMessage{kWriteErrorProtected, reason::kWriteFailed},
      KnownMessage{kHeaderError, reason::kHeader},
      KnownMessage{kVerifyReadError, reason::kVerify},
      KnownMessage{kVerifyStopped, reason::kVerify},
      KnownMessage{kVerifyMismatchPattern, reason::kVerify},
      KnownMessage{kClearFailed, reason::kClearFailed},
      KnownMessage{kWriteFailed, reason::kFileWrite},
      KnownMessage{kWriteOnlyRegular, reason::kFileWrite},
  };
  for (const auto& message : known) {
    const std::string_view lead = Lead(message.text);
    if (lead.size() == std::string_view(message.text).size() ? text == lead : text.starts_with(lead))
      return message.reason;
  }
  return {};
}

void TellReason(CliContext& context, const std::string& reason) {
  if (context.reason.empty()) context.reason = reason;
}

int UnreadableInput(CliContext& context) {
  TellReason(context, reason::kUnreadable);
  return kExitUnreadable;
}

std::string FinalReason(const CliContext& context, int code) {
  if (code == kExitOk) return reason::kOk;
  if (!context.reason.empty()) return context.reason;
  if (code == kExitDifferent && context.result.Find("equal")) return reason::kDifferent;
  if (code == kExitUsage) return reason::kUsage;
  if (code == kExitNoDevice) return reason::kNoPort;
  return reason::kFailed;
}

}  // namespace vl::cli
