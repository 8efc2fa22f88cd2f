#include "app/device/JobRunner.h"

#include <QMetaObject>

#include "app/common/CoreTexts.h"

namespace vl {

JobRunner::JobRunner(IPrompt& prompt, QObject* parent) : QObject(parent), prompt_(prompt) {
  // A cancel pressed while the worker's question was on screen comes after its answer.
  connect(&calls_, &UiThreadCalls::CallEnded, this, [this] {
    if (!cancelAfterQuestion_) return;
    cancelAfterQuestion_ = false;
    Cancel();
  });
}

JobRunner::~JobRunner() { StopAndWait(); }

bool JobRunner::Start(Job job) {
  if (Running()) return false;
  job_ = std::move(job);
  gate_ = std::make_shared<CancelGate>();
  workerPrompt_ = std::make_unique<UiThreadPrompt>(prompt_, calls_, *gate_);
  context_ = std::make_unique<Context>(Context{*this, *workerPrompt_, *gate_, calls_});
  calls_.Open();
  shownStatus_.clear();
  shownPosition_ = 0;
  cancelAfterQuestion_ = false;
  workDone_ = false;
  running_ = true;
  // Told before the worker starts, so that a stop decided at once comes before its first step.
  emit RunningChanged(true);
  if (!running_) return true;  // stopped for good before it began
  worker_ = std::thread([this] {
    job_.work(*context_);
    workDone_ = true;
    QMetaObject::invokeMethod(this, "WorkEnded", Qt::QueuedConnection);
  });
  return true;
}

void JobRunner::WorkEnded() {
  // A job that StopAndWait ended has queued its end as well: only a worker that
  // runs and is done is this call's. While the cancel question is open the end
  // waits for its answer, so no question outlives its job.
  if (!Running() || !workDone_ || asking_) return;
  End(false);
}

void JobRunner::End(bool forGood) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  calls_.Close();
  cancelAfterQuestion_ = false;
  const Job ended = std::move(job_);
  job_ = Job{};
  if (ended.end) ended.end(forGood);
  // Told before the outcome is handled, which may start the next job.
  emit RunningChanged(false);
  if (!forGood && ended.finished) ended.finished();
}

void JobRunner::StopAndWait() {
  if (!Running()) return;
  gate_->Stop();
  calls_.Close();
  End(true);
}

void JobRunner::Cancel() {
  if (!Running() || asking_ || gate_->StopRequested()) return;
  if (calls_.InCall()) {
    cancelAfterQuestion_ = true;
    return;
  }
  if (!job_.stopQuestion) {
    gate_->Stop();
    emit StopDecided();
    return;
  }
  // The worker waits at its next block, and its questions wait, while the user answers.
  gate_->Hold();
  calls_.Defer(true);
  asking_ = true;
  const Answer answer = prompt_.AskKeeping(job_.stopQuestion, kCaptionAttention, MessageButtons::YesNo,
                                           MessageIcon::Question, Answer::Yes);
  asking_ = false;
  if (answer == Answer::No) {
    gate_->Stop();
    emit StopDecided();
  } else {
    gate_->Resume();
  }
  calls_.Defer(false);
  // A worker that ended meanwhile ends its job now.
  if (workDone_) QMetaObject::invokeMethod(this, "WorkEnded", Qt::QueuedConnection);
}

void JobRunner::SetStatus(const std::string& text) {
  // The worker names its step before every block; only a change is posted.
  if (text == shownStatus_) return;
  shownStatus_ = text;
  calls_.Post([this, text] { emit StatusChanged(CoreText(text)); });
}

void JobRunner::SetProgress(int position) {
  if (position == shownPosition_) return;
  shownPosition_ = position;
  calls_.Post([this, position] { emit PositionChanged(position); });
}

void JobRunner::OpenDetection(const std::string& caption, const std::string& text) {
  calls_.Post([this, caption, text] { emit DetectionOpened(CoreText(caption), CoreText(text)); });
}

void JobRunner::SetAttempt(const std::string& label) {
  calls_.Post([this, label] { emit AttemptChanged(QString::fromStdString(label)); });
}

void JobRunner::CloseDetection() {
  calls_.Post([this] { emit DetectionClosed(); });
}

}  // namespace vl
