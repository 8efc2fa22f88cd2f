#include <QCheckBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QtTest>
#include <chrono>
#include <thread>

#include "ScriptedPrompt.h"
#include "app/device/PortAttachOption.h"
#include "app/device/PortHelper.h"
#include "app/editor/ParametersDialog.h"

namespace vl {
namespace {

// Stands for pkexec and vlat-port: records the verbs and makes the port appear
// on a successful attach; a stopped gate ends it as the real runner does.
struct FakeHelper {
  std::string port;
  bool succeed = true;
  QStringList verbs;
  ProgramRunner Runner() {
    return [this](const QString& program, const QStringList& arguments, const CancelGate& gate) {
      if (program != QLatin1String("pkexec") || arguments.size() != 2 ||
          !arguments[0].endsWith(QLatin1String("/vlat-port"))) {
        return PortHelperRun{false, QStringLiteral("unexpected call")};
      }
      verbs << arguments[1];
      if (gate.StopRequested()) return PortHelperRun{false, QStringLiteral("killed")};
      if (!succeed) return PortHelperRun{false, QStringLiteral("vlat-port: no i8042 keyboard port")};
      if (arguments[1] == QLatin1String("attach")) QFile(QString::fromStdString(port)).open(QIODevice::WriteOnly);
      if (arguments[1] == QLatin1String("release")) QFile::remove(QString::fromStdString(port));
      return PortHelperRun{true, QString()};
    };
  }
};

}  // namespace

class PortHelperTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Port() const { return dir_.filePath(QStringLiteral("serio_raw0")).toStdString(); }

 private slots:
  void AttachIsOfferedOnlyForSerioRawPorts() {
    QCOMPARE(PortPathToAttach(""), std::string("/dev/serio_raw0"));
    QCOMPARE(PortPathToAttach("/dev/serio_raw1"), std::string("/dev/serio_raw1"));
    for (const char* other : {"none", "sim", "sim:0105", "/dev/pts/3"}) QCOMPARE(PortPathToAttach(other), std::string());
  }

  void AttachAndReleaseRunTheHelperAndTellWhatFailed() {
    FakeHelper helper;
    helper.port = Port();
    test::ScriptedPrompt prompt(Answer::No);
    QVERIFY(!AskToAttachPort(Port(), prompt));
    prompt.fallback = Answer::Yes;
    QVERIFY(AskToAttachPort(Port(), prompt));
    QVERIFY(QString::fromStdString(prompt.Texts()[0]).contains(QString::fromStdString(Port())));

    CancelGate gate;
    QCOMPARE(AttachPort(Port(), gate, helper.Runner()), std::string());
    QVERIFY(PortPresent(Port()));
    QCOMPARE(ReleasePort(gate, helper.Runner()), std::string());
    QVERIFY(!PortPresent(Port()));
    QCOMPARE(helper.verbs, (QStringList{"attach", "release"}));

    helper.succeed = false;
    const std::string failed = AttachPort(Port(), gate, helper.Runner());
    QVERIFY(failed.find("no i8042 keyboard port") != std::string::npos);
    QVERIFY(ReleasePort(gate, helper.Runner()).find("no i8042 keyboard port") != std::string::npos);
    // A stopped attach is the user's own doing: nothing to tell.
    gate.Stop();
    QCOMPARE(AttachPort(Port(), gate, helper.Runner()), std::string());
  }

  // pkexec waits for the user's password for as long as it takes; a stop ends
  // it (the job's cancel, the program closing) instead of a wait of minutes.
  void StoppedGateEndsTheProgram() {
    if (QStandardPaths::findExecutable(QStringLiteral("sleep")).isEmpty()) QSKIP("no sleep program");
    CancelGate gate;
    QElapsedTimer took;
    took.start();
    std::thread stopper([&gate] {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      gate.Stop();
    });
    const PortHelperRun run = RunProgram(QStringLiteral("sleep"), {QStringLiteral("30")}, gate);
    stopper.join();
    QVERIFY(!run.ok);
    QVERIFY(took.elapsed() < 5000);
    QVERIFY(RunProgram(QStringLiteral("sleep"), {QStringLiteral("0")}, gate).ok == false);  // stopped stays stopped
  }

  void ParametersKeepTheChoiceBesideTheSettingsOnlyWhenAccepted() {
    MemorySettingsBackend backend;
    SettingsStore store;
    TfmParameters dialog(store, "/tmp");
    QWidget* page = dialog.Pages()->widget(TfmParameters::kPageDevice);
    auto* option = new PortAttachOption(dialog, *page, backend);
    QVERIFY(page->isAncestorOf(option->CheckBox()));

    dialog.show();
    QVERIFY(!option->CheckBox()->isChecked());
    option->CheckBox()->setChecked(true);
    dialog.reject();
    QVERIFY(!AttachPortForDownload(backend));
    dialog.show();
    QVERIFY(!option->CheckBox()->isChecked());
    option->CheckBox()->setChecked(true);
    dialog.accept();
    QVERIFY(AttachPortForDownload(backend));
    dialog.show();
    QVERIFY(option->CheckBox()->isChecked());
    dialog.reject();
  }
};

int RunPortHelperTest(int argc, char** argv) {
  PortHelperTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "PortHelperTest.moc"
