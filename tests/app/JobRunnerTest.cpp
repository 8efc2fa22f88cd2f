// The progress window's job runner on its own, at the hand-overs between the
// worker and the user-interface thread: a worker's question still waiting when
// the job is stopped, a job's end handled once, and a cancel question that
// outlives the job it was asked for.

#include <QDeadlineTimer>
#include <QtTest>
#include <atomic>
#include <functional>
#include <thread>

#include "AppFixture.h"
#include "app/device/ProgressDialog.h"

namespace vl {
namespace {

// Answers through a function, run on the user-interface thread.
class CallbackPrompt final : public IPrompt {
 public:
  std::function<Answer(const std::string&)> answer = [](const std::string&) { return Answer::Yes; };
  std::vector<std::string> asked;

  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    asked.push_back(text);
    return answer(text);
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
  std::optional<std::string> AskPasswordTitled(const std::string&, const std::string&,
                                               const std::string&) override {
    return std::nullopt;
  }
};

// Runs the user-interface thread's events until done() holds (at most 10 s).
bool ProcessUntil(const std::function<bool()>& done) {
  QDeadlineTimer deadline(10000);
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

void SpinUntil(const std::atomic<bool>& flag) {
  while (!flag) std::this_thread::yield();
}

}  // namespace

class JobRunnerTest : public QObject {
  Q_OBJECT

  SettingsStore settings_;
  CallbackPrompt prompt_;

 private slots:
  void init() { prompt_ = CallbackPrompt(); }

  // The worker's question is queued but the user-interface thread has not taken
  // it up when the job is stopped: the worker goes on with Cancel, nothing is
  // shown, and the next job's questions reach the user again.
  void StopReleasesAWorkerWhoseQuestionWaits() {
    TfmProgress progress(settings_, prompt_);
    std::atomic<bool> asking{false};
    std::atomic<Answer> answer{Answer::Yes};
    bool finished = false;
    TfmProgress::Job job;
    job.work = [&](TfmProgress::Context& context) {
      asking = true;
      answer = context.prompt.Ask("first", "", MessageButtons::YesNo, MessageIcon::Question);
    };
    job.finished = [&] { finished = true; };
    QVERIFY(progress.Start(std::move(job)));
    SpinUntil(asking);  // no events run here: the question cannot have been shown
    progress.StopAndWait();
    QCOMPARE(answer.load(), Answer::Cancel);
    QCoreApplication::processEvents();
    QVERIFY(prompt_.asked.empty());
    QVERIFY(!finished);
    QVERIFY(!progress.isVisible());

    prompt_.answer = [](const std::string&) { return Answer::No; };
    job = {};
    job.work = [&](TfmProgress::Context& context) {
      answer = context.prompt.Ask("second", "", MessageButtons::YesNo, MessageIcon::Question);
    };
    QVERIFY(progress.Start(std::move(job)));
    QVERIFY(ProcessUntil([&] { return !progress.Running(); }));
    QCOMPARE(answer.load(), Answer::No);
    QCOMPARE(prompt_.asked, std::vector<std::string>{"second"});
  }

  // A stopped job's end is still queued when the next job starts: only the next
  // job's finished runs, once, and each job is told started and ended once.
  void FinishedRunsOnceAndNeverForAStoppedJob() {
    TfmProgress progress(settings_, prompt_);
    std::vector<bool> running;
    connect(&progress, &TfmProgress::RunningChanged, this, [&](bool now) { running.push_back(now); });
    int firstFinished = 0, secondFinished = 0;
    TfmProgress::Job first;
    first.work = [](TfmProgress::Context&) {};
    first.finished = [&] { ++firstFinished; };
    QVERIFY(progress.Start(std::move(first)));
    progress.StopAndWait();  // joins the worker: its end is queued by now

    TfmProgress::Job second;
    second.work = [](TfmProgress::Context&) {};
    second.finished = [&] { ++secondFinished; };
    QVERIFY(progress.Start(std::move(second)));
    QVERIFY(ProcessUntil([&] { return !progress.Running(); }));
    QCoreApplication::processEvents();
    QCOMPARE(firstFinished, 0);
    QCOMPARE(secondFinished, 1);
    QCOMPARE(running, (std::vector<bool>{true, false, true, false}));
  }

  // The user is asked whether to stop a job; meanwhile its worker ends and its
  // finished starts the next job (a download's end gives the port back). The
  // answer No belongs to the job it was asked for and must not stop the next.
  void CancelAnswerAfterItsJobEndedLeavesTheNextJobRunning() {
    TfmProgress progress(settings_, prompt_);
    std::atomic<bool> release{false}, answered{false}, nextStopped{false};
    bool nextStarted = false, nextFinished = false;
    TfmProgress::Job next;
    next.work = [&](TfmProgress::Context& context) {
      SpinUntil(answered);
      nextStopped = !context.gate.Pass();
    };
    next.finished = [&] { nextFinished = true; };
    TfmProgress::Job job;
    job.stopQuestion = "stop?";
    job.work = [&](TfmProgress::Context&) { SpinUntil(release); };  // ends without passing the gate
    job.finished = [&] { nextStarted = progress.Start(std::move(next)); };
    QVERIFY(progress.Start(std::move(job)));
    prompt_.answer = [&](const std::string&) {
      release = true;
      ProcessUntil([&] { return nextStarted; });
      return Answer::No;
    };
    progress.Cancel();
    answered = true;
    QVERIFY(nextStarted);
    QVERIFY(ProcessUntil([&] { return !progress.Running(); }));
    QVERIFY(!nextStopped);
    QVERIFY(nextFinished);
    QCOMPARE(prompt_.asked, std::vector<std::string>{"stop?"});
  }
};

int RunJobRunnerTest(int argc, char** argv) {
  JobRunnerTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "JobRunnerTest.moc"
