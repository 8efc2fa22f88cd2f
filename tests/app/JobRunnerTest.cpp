// The job runner on its own, at the hand-overs between the worker and the
// user-interface thread: a worker's question still waiting when the job is
// stopped, the end step that runs however a job ends, reports that do not wait
// for the user interface, and questions that never stack (the cancel question
// and the worker's).

#include <QDeadlineTimer>
#include <QtTest>
#include <atomic>
#include <functional>
#include <thread>

#include "AppFixture.h"
#include "app/device/JobRunner.h"

namespace vl {
namespace {

// Answers through a function, run on the user-interface thread; counts how deep
// questions are nested.
class CallbackPrompt final : public IPrompt {
 public:
  std::function<Answer(const std::string&)> answer = [](const std::string&) { return Answer::Yes; };
  std::vector<std::string> asked;
  int open = 0;
  int deepest = 0;

  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    asked.push_back(text);
    deepest = std::max(deepest, ++open);
    const Answer given = answer(text);
    --open;
    return given;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
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

  CallbackPrompt prompt_;

 private slots:
  void init() { prompt_ = CallbackPrompt(); }

  // The worker's question is queued but the user-interface thread has not taken
  // it up when the job is stopped: the worker goes on with Cancel, nothing is
  // shown, the end step runs for good and the outcome not at all; the next job's
  // questions reach the user again.
  void StopReleasesAWorkerWhoseQuestionWaits() {
    JobRunner runner(prompt_);
    std::atomic<bool> asking{false};
    std::atomic<Answer> answer{Answer::Yes};
    std::vector<bool> ends;
    bool finished = false;
    JobRunner::Job job;
    job.work = [&](JobRunner::Context& context) {
      asking = true;
      answer = context.prompt.Ask("first", "", MessageButtons::YesNo, MessageIcon::Question);
    };
    job.end = [&](bool forGood) { ends.push_back(forGood); };
    job.finished = [&] { finished = true; };
    QVERIFY(runner.Start(std::move(job)));
    SpinUntil(asking);  // no events run here: the question cannot have been shown
    runner.StopAndWait();
    QCOMPARE(answer.load(), Answer::Cancel);
    QCoreApplication::processEvents();
    QVERIFY(prompt_.asked.empty());
    QVERIFY(!finished);
    QCOMPARE(ends, std::vector<bool>{true});

    prompt_.answer = [](const std::string&) { return Answer::No; };
    job = {};
    job.work = [&](JobRunner::Context& context) {
      answer = context.prompt.Ask("second", "", MessageButtons::YesNo, MessageIcon::Question);
    };
    job.end = [&](bool forGood) { ends.push_back(forGood); };
    QVERIFY(runner.Start(std::move(job)));
    QVERIFY(ProcessUntil([&] { return !runner.Running(); }));
    QCOMPARE(answer.load(), Answer::No);
    QCOMPARE(prompt_.asked, std::vector<std::string>{"second"});
    QCOMPARE(ends, (std::vector<bool>{true, false}));
  }

  // A stopped job's end is still queued when the next job starts: only the next
  // job's outcome runs, once, and each job is told started and ended once.
  void FinishedRunsOnceAndNeverForAStoppedJob() {
    JobRunner runner(prompt_);
    std::vector<bool> running;
    connect(&runner, &JobRunner::RunningChanged, this, [&](bool now) { running.push_back(now); });
    int firstFinished = 0, secondFinished = 0, ends = 0;
    JobRunner::Job first;
    first.work = [](JobRunner::Context&) {};
    first.end = [&](bool) { ++ends; };
    first.finished = [&] { ++firstFinished; };
    QVERIFY(runner.Start(std::move(first)));
    runner.StopAndWait();  // joins the worker: its end is queued by now

    JobRunner::Job second;
    second.work = [](JobRunner::Context&) {};
    second.end = [&](bool) { ++ends; };
    second.finished = [&] { ++secondFinished; };
    QVERIFY(runner.Start(std::move(second)));
    QVERIFY(ProcessUntil([&] { return !runner.Running(); }));
    QCoreApplication::processEvents();
    QCOMPARE(firstFinished, 0);
    QCOMPARE(secondFinished, 1);
    QCOMPARE(ends, 2);
    QCOMPARE(running, (std::vector<bool>{true, false, true, false}));
  }

  // Status and position are posted: the worker goes on while the user-interface
  // thread is busy, and the window shows the last of them once it runs.
  void ReportsDoNotWaitForTheUserInterface() {
    JobRunner runner(prompt_);
    std::atomic<bool> reported{false};
    QString shown;
    int position = 0;
    connect(&runner, &JobRunner::StatusChanged, this, [&](const QString& text) { shown = text; });
    connect(&runner, &JobRunner::PositionChanged, this, [&](int value) { position = value; });
    JobRunner::Job job;
    job.work = [&](JobRunner::Context& context) {
      for (int step = 1; step <= 100; ++step) {
        context.reporter.SetStatus("step " + std::to_string(step));
        context.reporter.SetProgress(step);
      }
      reported = true;
    };
    QVERIFY(runner.Start(std::move(job)));
    QDeadlineTimer deadline(5000);
    while (!reported && !deadline.hasExpired()) std::this_thread::yield();  // no events run here
    QVERIFY(reported);
    QVERIFY(ProcessUntil([&] { return !runner.Running(); }));
    QCOMPARE(shown, QStringLiteral("step 100"));
    QCOMPARE(position, 100);
  }

  // The worker asks while the cancel question is open: its question waits for
  // the answer and, the answer being to stop, is answered Cancel unseen; a
  // message of the stopping job is still shown. The worker's end waits for the
  // answer too, so no question outlives its job.
  void TheCancelQuestionAndTheWorkersNeverStack() {
    JobRunner runner(prompt_);
    std::atomic<bool> cancelAsked{false};
    std::atomic<Answer> workerAnswer{Answer::Yes};
    JobRunner::Job job;
    job.stopQuestion = "stop?";
    job.work = [&](JobRunner::Context& context) {
      SpinUntil(cancelAsked);
      workerAnswer = context.prompt.Ask("replace?", "", MessageButtons::YesNo, MessageIcon::Question);
      context.prompt.Message("not connected", "", MessageIcon::Error);
    };
    bool ended = false;
    job.end = [&](bool) { ended = true; };
    prompt_.answer = [&](const std::string& text) {
      if (text != "stop?") return Answer::Ok;
      cancelAsked = true;
      // The worker's question arrives meanwhile; the worker may even end.
      QDeadlineTimer wait(300);
      while (!wait.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      return Answer::No;
    };
    QVERIFY(runner.Start(std::move(job)));
    runner.Cancel();
    QVERIFY(!ended);
    QVERIFY(ProcessUntil([&] { return ended; }));
    QCOMPARE(workerAnswer.load(), Answer::Cancel);
    QCOMPARE(prompt_.asked, (std::vector<std::string>{"stop?", "not connected"}));
    QCOMPARE(prompt_.deepest, 1);
  }

  // Cancel pressed while the worker's question is on screen waits for its
  // answer, then asks; the questions are asked one after the other.
  void CancelDuringAWorkerQuestionComesAfterIt() {
    JobRunner runner(prompt_);
    std::atomic<bool> go{false};
    JobRunner::Job job;
    job.stopQuestion = "stop?";
    job.work = [&](JobRunner::Context& context) {
      context.prompt.Ask("replace?", "", MessageButtons::YesNo, MessageIcon::Question);
      SpinUntil(go);
      context.gate.Pass();
    };
    prompt_.answer = [&](const std::string& text) {
      if (text == "replace?") runner.Cancel();
      go = text == "stop?";
      return Answer::Yes;
    };
    QVERIFY(runner.Start(std::move(job)));
    QVERIFY(ProcessUntil([&] { return !runner.Running(); }));
    QCOMPARE(prompt_.asked, (std::vector<std::string>{"replace?", "stop?"}));
    QCOMPARE(prompt_.deepest, 1);
  }
};

int RunJobRunnerTest(int argc, char** argv) {
  JobRunnerTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "JobRunnerTest.moc"
