#pragma once
// The reporter every test uses: keeps each status text, progress position and
// show/hide of the bar, and can call back on each (to act in the middle of an
// operation).

#include <functional>
#include <string>
#include <vector>

#include "core/common/Reporter.h"

namespace vl::test {

class RecordingReporter final : public IReporter {
 public:
  std::vector<std::string> statuses;
  std::vector<int> positions;
  std::vector<bool> shown;  // each ShowProgress call
  std::function<void(const std::string&)> onStatus;
  std::function<void(int)> onProgress;

  void SetStatus(const std::string& text) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int position) override;

  bool Saw(const std::string& status) const;
  // The bar as last shown or hidden; hidden before any call.
  bool Visible() const { return !shown.empty() && shown.back(); }
};

}  // namespace vl::test
