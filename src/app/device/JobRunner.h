#pragma once
// The job runner of every device procedure. One job at a time: its port work runs
// on a worker thread; the worker's status, position and detection steps are
// posted to the user-interface thread (the worker does not wait for them), its
// questions are asked there one at a time while it waits for the answer. Every
// job ends through one end step, however it ends, and then, unless it was stopped
// for good, through its outcome. The progress window (TfmProgress) is a view of
// the runner.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "app/common/UiThread.h"
#include "app/common/UiThreadPrompt.h"
#include "core/common/Reporter.h"
#include "core/device/CancelGate.h"

namespace vl {

class JobRunner final : public QObject, public IReporter {
  Q_OBJECT

 public:
  // What the worker of a job is given.
  struct Context {
    IReporter& reporter;  // the runner, posting to the user-interface thread
    IPrompt& prompt;      // the user's prompt, asked on the user-interface thread
    CancelGate& gate;
    UiThreadCalls& ui;    // anything else the worker must do on that thread (waited for)
  };
  struct Job {
    const char* caption = "";      // the progress window's title
    QString layout;                // what its "раскладка" line names
    // Cancel asks this question first (the download's) and stops on No.
    const char* stopQuestion = nullptr;
    std::function<void(Context&)> work;  // on the worker thread
    // On the user-interface thread once the worker has ended, whatever ended it;
    // forGood when StopAndWait did (the program quits, the port is replaced, the
    // runner goes): gives back what the job held.
    std::function<void(bool forGood)> end;
    // After end, unless the job was stopped for good: the job's outcome.
    std::function<void()> finished;
  };

  explicit JobRunner(IPrompt& prompt, QObject* parent = nullptr);
  // Stops a running job for good (StopAndWait).
  ~JobRunner() override;

  // Starts the job's worker; false (nothing started) while another job runs.
  bool Start(Job job);
  bool Running() const { return running_; }
  const Job& Current() const { return job_; }

  // The user's cancel (the progress window's button, Escape, closing it): a job
  // with a stop question holds its worker at the next block while the user
  // answers; every other job is stopped at its next block. A cancel while a
  // question of the worker is on screen waits for its answer; the job ends only
  // once the cancel question is answered.
  void Cancel();
  // Stops the running job for good: its gate is stopped as a user's stop would
  // (a download that has written a block clears the keyboard, one that has not
  // only resets it), the worker's pending calls are dropped and its questions
  // answered Cancel, the worker is waited for (its current block and a
  // download's clearing), and the job's end step runs with forGood; its outcome
  // does not. For quitting, replacing the port and signals. Not while Asking():
  // a question on screen is answered first.
  void StopAndWait();
  // True while a question of the job (the worker's or the cancel question) is on screen.
  bool Asking() const { return asking_ || calls_.InCall(); }
  // Whether the running job was told to stop.
  bool Stopping() const { return gate_ && gate_->StopRequested(); }

  // IReporter, from the worker (or the user-interface thread).
  void SetStatus(const std::string& text) override;
  void ShowProgress(bool) override {}
  void SetProgress(int position) override;
  void OpenDetection(const std::string& caption, const std::string& text) override;
  void SetAttempt(const std::string& label) override;
  void CloseDetection() override;

 signals:
  // A job started or ended (after its end step; before its outcome).
  void RunningChanged(bool running);
  // What the progress window shows, on the user-interface thread.
  void StatusChanged(const QString& text);
  void PositionChanged(int position);
  void DetectionOpened(const QString& caption, const QString& text);
  void AttemptChanged(const QString& label);
  void DetectionClosed();
  // The job was told to stop: cancelling again does nothing.
  void StopDecided();

 private:
  // Queued by a worker that has ended.
  Q_INVOKABLE void WorkEnded();
  void End(bool forGood);

  IPrompt& prompt_;
  UiThreadCalls calls_;
  Job job_;
  // Shared with the worker's prompt, which looks at it before each question.
  std::shared_ptr<CancelGate> gate_;
  std::unique_ptr<UiThreadPrompt> workerPrompt_;
  std::unique_ptr<Context> context_;
  // The worker: a plain thread, joined when it has ended, so that what it
  // leaves behind is seen whole (also by a race detector).
  std::thread worker_;
  std::atomic<bool> workDone_{false};
  bool running_ = false;  // from Start until the end step ran
  bool asking_ = false;               // the cancel question is open
  bool cancelAfterQuestion_ = false;  // cancel was pressed while the worker asked
  // What was last posted; written by the worker only (the user-interface thread
  // resets it between jobs).
  std::string shownStatus_;
  int shownPosition_ = 0;
};

}  // namespace vl
