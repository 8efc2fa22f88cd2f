#pragma once
// Status text and progress of long operations. Calls are synchronous: when one
// returns, the user has been shown the step. Texts are UTF-8.

#include <string>

namespace vl {

class IReporter {
 public:
  virtual ~IReporter() = default;
  // Text of the first status-bar panel; empty clears it.
  virtual void SetStatus(const std::string& text) = 0;
  // Shows or hides the progress bar (shown at position 0).
  virtual void ShowProgress(bool visible) = 0;
  // Position 0 to 100.
  virtual void SetProgress(int position) = 0;

  // The detection dialog: shown with its caption and text, its attempt label
  // ("N-я попытка") changed per attempt, then closed. A reporter without such a
  // dialog shows the text and the attempts on the status line.
  virtual void OpenDetection(const std::string& caption, const std::string& text) {
    (void)caption;
    SetStatus(text);
  }
  virtual void SetAttempt(const std::string& label) { SetStatus(label); }
  virtual void CloseDetection() { SetStatus({}); }
};

// Shows a status text and the progress bar at 0 for its lifetime; hides the bar
// and clears the text when it ends, also when the operation fails.
class ReportScope {
 public:
  ReportScope(IReporter& reporter, const std::string& status) : reporter_(reporter) {
    reporter_.SetStatus(status);
    reporter_.ShowProgress(true);
    reporter_.SetProgress(0);
  }
  ~ReportScope() {
    reporter_.ShowProgress(false);
    reporter_.SetStatus("");
  }
  ReportScope(const ReportScope&) = delete;
  ReportScope& operator=(const ReportScope&) = delete;

 private:
  IReporter& reporter_;
};

// For callers that show nothing.
class NullReporter final : public IReporter {
 public:
  void SetStatus(const std::string&) override {}
  void ShowProgress(bool) override {}
  void SetProgress(int) override {}
};

}  // namespace vl
