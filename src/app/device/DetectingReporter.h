#pragma once
// A reporter that shows the identification steps in TfmDetect and passes status
// and progress on to another reporter (the main window's status bar).

#include <QPointer>

#include "app/device/TfmDetect.h"
#include "core/common/Reporter.h"

namespace vl {

class DetectingReporter final : public IReporter {
 public:
  DetectingReporter(IReporter& inner, TfmDetect& detect) : inner_(inner), detect_(&detect) {}
  void SetStatus(const std::string& text) override { inner_.SetStatus(text); }
  void ShowProgress(bool visible) override { inner_.ShowProgress(visible); }
  void SetProgress(int position) override { inner_.SetProgress(position); }
  void OpenDetection(const std::string& caption, const std::string& text) override {
    if (detect_) detect_->Open(QString::fromStdString(caption), QString::fromStdString(text));
  }
  void SetAttempt(const std::string& label) override {
    if (detect_) detect_->SetAttempt(QString::fromStdString(label));
  }
  void CloseDetection() override {
    if (detect_) detect_->hide();
  }

 private:
  IReporter& inner_;
  QPointer<TfmDetect> detect_;
};

}  // namespace vl
