#include "core/input/PauseRecording.h"

#include <algorithm>

#include "core/text/ScanCode.h"

namespace vl {
namespace {

constexpr const char* kSettingName = "RecordPauses";
constexpr int64_t kLongestPause = 15;  // tenths: the most one element holds here

}  // namespace

std::string PauseForGap(int64_t milliseconds) {
  const int64_t tenths = std::min(kLongestPause, (std::max<int64_t>(milliseconds, 0) + 50) / 100);
  if (tenths == 0) return {};
  return {static_cast<char>(kScanWait), static_cast<char>(kWaitBase + tenths)};
}

bool RecordPausesOn(const ISettingsBackend& backend) {
  return backend.ReadInt("", kSettingName).value_or(0) == 1;
}

void SetRecordPauses(ISettingsBackend& backend, bool on) { backend.WriteInt("", kSettingName, on ? 1 : 0); }

}  // namespace vl
