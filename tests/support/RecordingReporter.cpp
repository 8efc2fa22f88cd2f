#include "RecordingReporter.h"

#include <algorithm>

namespace vl::test {

void RecordingReporter::SetStatus(const std::string& text) {
  statuses.push_back(text);
  if (onStatus) onStatus(text);
}

void RecordingReporter::ShowProgress(bool visible) { shown.push_back(visible); }

void RecordingReporter::SetProgress(int position) {
  positions.push_back(position);
  if (onProgress) onProgress(position);
}

bool RecordingReporter::Saw(const std::string& status) const {
  return std::find(statuses.begin(), statuses.end(), status) != statuses.end();
}

}  // namespace vl::test
