#pragma once
// The core's questions and messages as Qt message boxes, and its status text and
// progress on the main window's status bar.

#include <QPointer>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"

class QWidget;
class QLabel;
class QProgressBar;

namespace vl {

class QtPrompt final : public IPrompt {
 public:
  explicit QtPrompt(QWidget* parent) : parent_(parent) {}
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  std::optional<std::string> AskPassword(const std::string& firstLine,
                                         const std::string& secondLine) override;
  std::optional<std::string> AskPasswordTitled(const std::string& caption,
                                               const std::string& firstLine,
                                               const std::string& secondLine) override;
  TextTranslator Translator() const override;

 private:
  QPointer<QWidget> parent_;
};

// Status panel 0 and the progress bar of the main window.
class StatusReporter final : public IReporter {
 public:
  StatusReporter(QLabel* status, QProgressBar* progress) : status_(status), progress_(progress) {}
  void SetStatus(const std::string& text) override;
  void ShowProgress(bool visible) override;
  void SetProgress(int position) override;

 private:
  QPointer<QLabel> status_;
  QPointer<QProgressBar> progress_;
};

}  // namespace vl
