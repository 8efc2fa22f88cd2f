#pragma once
// TfmProgress: the job runner of every device procedure and its window. One job
// at a time: its port work runs on a worker thread while the window shows the
// step and the position; the worker's status, position and detection steps and
// its questions reach the user-interface thread through calls it waits for.
// Every other window stays usable meanwhile. Cancel (the button, Esc, closing the
// window) stops the job at its next block: a job that asks first (a download)
// holds the worker while the user answers.

#include <QDialog>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "app/device/DetectDialog.h"
#include "app/common/UiThread.h"
#include "app/common/UiThreadPrompt.h"
#include "core/common/Reporter.h"
#include "core/device/CancelGate.h"
#include "core/settings/SettingsStore.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QMediaPlayer;

namespace vl {

class TfmProgress : public QDialog, public IReporter {
  Q_OBJECT

 public:
  // What the worker of a job is given.
  struct Context {
    IReporter& reporter;  // the window
    IPrompt& prompt;      // the user's prompt, asked on the user-interface thread
    CancelGate& gate;
    UiThreadCalls& ui;    // anything else the worker must do on that thread
  };
  struct Job {
    const char* caption = "";      // the window's title
    QString layout;                // what the "раскладка" line names
    // Cancel asks the question first (the download's) and stops on No.
    const char* stopQuestion = nullptr;
    std::function<void(Context&)> work;  // on the worker thread
    // On the user-interface thread once the worker has ended; not after StopAndWait.
    std::function<void()> finished;
  };

  TfmProgress(const SettingsStore& settings, IPrompt& prompt, QWidget* parent = nullptr);
  ~TfmProgress() override;

  // Shows the window and starts the job's worker; false (nothing started) while
  // another job runs.
  bool Start(Job job);
  bool Running() const { return worker_.joinable(); }
  // The cancel button's handling.
  void Cancel();
  // Stops the running job without a question and waits for its worker, which
  // ends after its current block: the worker's pending calls are dropped, its
  // questions answered Cancel. The job's finished is not called.
  void StopAndWait();
  // True while a worker's question or message is on screen.
  bool Asking() const { return calls_.InCall(); }

  // IReporter, from either thread.
  void SetStatus(const std::string& text) override;
  void ShowProgress(bool) override {}
  void SetProgress(int position) override;
  void OpenDetection(const std::string& caption, const std::string& text) override;
  void SetAttempt(const std::string& label) override;
  void CloseDetection() override;

  // Plays the "audio file" setting, when one is set.
  void PlaySound();

  QLabel* ModeLabel() const { return lbMode_; }
  QProgressBar* Bar() const { return pbProgress_; }
  TfmDetect& Detect() const { return *detect_; }

 signals:
  // A job started or ended (after its finished ran).
  void RunningChanged(bool running);

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Queued by a worker that has ended.
  Q_INVOKABLE void WorkEnded();
  void Finished();
  // The worker's call, dropped once the job is stopped for good.
  void OnUi(const std::function<void()>& call) { calls_.Run(call); }

  const SettingsStore& settings_;
  IPrompt& prompt_;
  UiThreadCalls calls_;
  UiThreadPrompt workerPrompt_;
  TfmDetect* detect_;
  QLabel* lbLayout_;
  QLabel* lbMode_;
  QLabel* lbStep_;
  QProgressBar* pbProgress_;
  QPushButton* bbCancel_;
  QMediaPlayer* player_ = nullptr;

  Job job_;
  // Shared with a cancel question, which may outlive its job.
  std::shared_ptr<CancelGate> gate_;
  std::unique_ptr<Context> context_;
  // The worker: a plain thread, joined when it has ended, so that what it
  // leaves behind is seen whole (also by a race detector).
  std::thread worker_;
  std::atomic<bool> workDone_{false};
  bool asking_ = false;  // the cancel question is open
  // What the window shows; written by the worker only (the user-interface
  // thread reads it between jobs).
  std::string shownStatus_;
  int shownPosition_ = 0;
};

}  // namespace vl
