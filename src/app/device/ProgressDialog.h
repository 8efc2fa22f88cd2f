#pragma once
// TfmProgress: the progress window, a view of the job runner. It opens modal for
// the whole application while a job runs, so nothing the job depends on (the
// document, the settings, the port, the lines) can change meanwhile, and takes
// the focus, so Escape and a screen reader reach its cancel button. The event
// loop keeps running: the window repaints and answers while the worker works.
// Cancel (the button, Escape, closing the window) is the runner's Cancel.

#include <QDialog>

#include "app/device/DetectDialog.h"
#include "core/settings/SettingsStore.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QMediaPlayer;

namespace vl {

class JobRunner;

class TfmProgress : public QDialog {
  Q_OBJECT

 public:
  TfmProgress(JobRunner& runner, const SettingsStore& settings, QWidget* parent = nullptr);

  // Plays the "audio file" setting, when one is set.
  void PlaySound();

  QLabel* ModeLabel() const { return lbMode_; }
  QLabel* StepLabel() const { return lbStep_; }
  QProgressBar* Bar() const { return pbProgress_; }
  QPushButton* CancelButton() const { return bbCancel_; }
  TfmDetect& Detect() const { return *detect_; }

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // A job started or ended.
  void Follow(bool running);

  JobRunner& runner_;
  const SettingsStore& settings_;
  TfmDetect* detect_;
  QLabel* lbLayout_;
  QLabel* lbMode_;
  QLabel* lbStep_;
  QProgressBar* pbProgress_;
  QPushButton* bbCancel_;
  QMediaPlayer* player_ = nullptr;
};

}  // namespace vl
