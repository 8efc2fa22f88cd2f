#include <QCheckBox>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ScriptedPrompt.h"
#include "app/device/PortAttachOption.h"
#include "app/device/PortHelper.h"
#include "app/editor/ParametersDialog.h"

namespace vl {
namespace {

// Stands for pkexec and vlat-port: records the verbs and makes the port appear
// on a successful attach.
struct FakeHelper {
  std::string port;
  bool succeed = true;
  QStringList verbs;

  ProgramRunner Runner() {
    return [this](const QString& program, const QStringList& arguments) {
      if (program != QLatin1String("pkexec") || arguments.size() != 2 ||
          !arguments[0].endsWith(QLatin1String("/vlat-port"))) {
        return PortHelperRun{false, QStringLiteral("unexpected call")};
      }
      verbs << arguments[1];
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

  void OfferAsksAttachesAndReports() {
    FakeHelper helper;
    helper.port = Port();
    test::ScriptedPrompt prompt(Answer::Yes);
    prompt.fallback = Answer::No;
    QVERIFY(!OfferPortAttach(Port(), prompt, helper.Runner()));
    QVERIFY(helper.verbs.isEmpty());
    QCOMPARE(prompt.Texts().size(), size_t(1));

    prompt.fallback = Answer::Yes;
    QVERIFY(OfferPortAttach(Port(), prompt, helper.Runner()));
    QCOMPARE(helper.verbs, QStringList{"attach"});
    // Present now: nothing more to offer.
    QVERIFY(OfferPortAttach(Port(), prompt, helper.Runner()));
    QCOMPARE(helper.verbs, QStringList{"attach"});
    QFile::remove(QString::fromStdString(Port()));

    helper.succeed = false;
    prompt.shown.clear();
    QVERIFY(!OfferPortAttach(Port(), prompt, helper.Runner()));
    QCOMPARE(prompt.Texts().size(), size_t(2));
    QVERIFY(prompt.Texts()[1].find("no i8042 keyboard port") != std::string::npos);
  }

  void DownloadAttachmentFollowsTheSettingAndReleasesAfterwards() {
    MemorySettingsBackend backend;
    FakeHelper helper;
    helper.port = Port();
    test::ScriptedPrompt prompt(Answer::Yes);
    {
      PortAttachment attachment(backend, Port(), prompt, helper.Runner());
      QVERIFY(!attachment.Attached());
    }
    QVERIFY(helper.verbs.isEmpty());

    SetAttachPortForDownload(backend, true);
    QVERIFY(AttachPortForDownload(backend));
    {
      PortAttachment attachment(backend, Port(), prompt, helper.Runner());
      QVERIFY(attachment.Attached());
      QVERIFY(QFile::exists(QString::fromStdString(Port())));
    }
    QCOMPARE(helper.verbs, (QStringList{"attach", "release"}));
    QVERIFY(prompt.Texts().empty());

    // A port that is already there was not ours to attach, nor to release.
    QFile(QString::fromStdString(Port())).open(QIODevice::WriteOnly);
    { PortAttachment attachment(backend, Port(), prompt, helper.Runner()); }
    QCOMPARE(helper.verbs, (QStringList{"attach", "release"}));
    QFile::remove(QString::fromStdString(Port()));

    // A failed attach is told and never released.
    helper.succeed = false;
    { PortAttachment attachment(backend, Port(), prompt, helper.Runner()); }
    QCOMPARE(helper.verbs, (QStringList{"attach", "release", "attach"}));
    QCOMPARE(prompt.Texts().size(), size_t(1));
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
