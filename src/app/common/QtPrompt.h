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

// A yes/no question keeps with No: Enter and Escape answer No, so no
// question that writes over or erases a keyboard is answered Yes by a key
// pressed out of habit. Clicks that arrive within a double-click's time of the
// box opening are not taken: the second click of a double click on the box
// before must not answer this one.
class QtPrompt final : public IPrompt {
 public:
  explicit QtPrompt(QWidget* parent) : parent_(parent) {}
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons,
             MessageIcon icon) override;
  Answer AskKeeping(const std::string& text, const std::string& caption, MessageButtons buttons,
                    MessageIcon icon, Answer keep) override;
  std::optional<std::string> AskPassword(const std::string& firstLine,
                                         const std::string& secondLine) override;
  std::optional<std::string> AskPasswordTitled(const std::string& caption,
                                               const std::string& firstLine,
                                               const std::string& secondLine) override;
  TextTranslator Translator() const override;

 private:
  // The box; keep, when given, is its default button and Escape's answer.
  Answer Show(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
              std::optional<Answer> keep);

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
