#pragma once
// TfmProgress: drives one download or upload of a layout window. Shown modally;
// it prepares the operation on the user-interface thread, then runs the
// transfer on a worker thread whose status and position calls reach the window
// synchronously. Cancel holds a download while the user is asked, and stops an
// upload at once.

#include <QDialog>
#include <memory>

#include "app/device/TfmDetect.h"
#include "app/device/UiThreadPrompt.h"
#include "core/device/CancelGate.h"
#include "core/device/OperationDriver.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QMediaPlayer;

namespace vl {

class AppDevice;
class TfmGrid;

class TfmProgress : public QDialog, public IReporter {
  Q_OBJECT

 public:
  TfmProgress(const SettingsStore& settings, IPrompt& prompt, QWidget* parent = nullptr);
  ~TfmProgress() override;

  // The whole operation on the window's layout, modally; when it returns the
  // worker has ended. The grid's selection becomes the fragment transferred.
  OperationResult Run(OperationKind kind, TfmGrid& window, AppDevice& device);

  // IReporter, from either thread.
  void SetStatus(const std::string& text) override;
  void ShowProgress(bool) override {}
  void SetProgress(int position) override;
  void OpenDetection(const std::string& caption, const std::string& text) override;
  void SetAttempt(const std::string& label) override;
  void CloseDetection() override;

  // The cancel button's handling.
  void Cancel();
  // Plays the "audio file" setting, when one is set.
  void PlaySound();

  QLabel* LayoutLabel() const { return lbLayout_; }
  QLabel* ModeLabel() const { return lbMode_; }
  QLabel* StepLabel() const { return lbStep_; }
  QProgressBar* Bar() const { return pbProgress_; }
  QPushButton* CancelButton() const { return bbCancel_; }
  TfmDetect& Detect() const { return *detect_; }
  // True while the worker runs.
  bool Transferring() const { return thread_ != nullptr; }

 protected:
  void reject() override;

 private:
  void Prepare();
  void Finished();

  const SettingsStore& settings_;
  IPrompt& prompt_;
  UiThreadPrompt workerPrompt_;
  TfmDetect* detect_;
  QLabel* lbLayout_;
  QLabel* lbMode_;
  QLabel* lbStep_;
  QProgressBar* pbProgress_;
  QPushButton* bbCancel_;
  QMediaPlayer* player_ = nullptr;

  OperationKind kind_ = OperationKind::Download;
  TfmGrid* window_ = nullptr;
  AppDevice* device_ = nullptr;
  std::unique_ptr<CancelGate> gate_;
  std::unique_ptr<PreparedOperation> prepared_;
  std::unique_ptr<DeviceSession> session_;
  std::unique_ptr<IDocumentObserver> relay_;
  IDocumentObserver* owner_ = nullptr;
  QThread* thread_ = nullptr;
  OperationResult result_ = OperationResult::Failed;
  // What the window shows; read and written by whichever thread reports (the
  // preparation's, then the worker's, never both at once).
  std::string shownStatus_;
  int shownPosition_ = 0;
};

}  // namespace vl
