// The application's download on the real kernel's keyboard port with a plain
// keyboard behind it, where the user lets it attach the port for the download:
// vlat-port (through a pkexec that merely runs it, as the guest is root) hands
// the port to serio_raw, the keyboard is told apart as a plain one, and the port
// goes back to atkbd. Run by tests/kernel/in-guest.sh with the port released.

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "../app/AppFixture.h"
#include "app/device/DeviceCommands.h"
#include "app/device/PortHelper.h"
#include "core/device/Detect.h"

namespace vl {
namespace {

constexpr const char* kDevice = "/dev/serio_raw0";
constexpr const char* kKeyboardPort = "/sys/bus/serio/devices/serio0";

std::string PortDriver() {
  std::error_code error;
  return std::filesystem::read_symlink(std::string(kKeyboardPort) + "/driver", error).filename().string();
}

class AppDownloadKernelTest : public QObject, public AppFixture {
  Q_OBJECT

  QTemporaryDir bin_;

 private slots:
  void initTestCase() {
    // pkexec stands aside: the test runs as root.
    QFile pkexec(bin_.filePath(QStringLiteral("pkexec")));
    QVERIFY(pkexec.open(QIODevice::WriteOnly));
    pkexec.write("#!/bin/sh\nexec \"$@\"\n");
    pkexec.close();
    pkexec.setPermissions(pkexec.permissions() | QFileDevice::ExeOwner);
    qputenv("PATH", bin_.path().toUtf8() + ":" VLAT_PORT_HELPER_DIR ":" + qgetenv("PATH"));
  }

  void DownloadOnAPlainKeyboardAttachesThePortAndGivesItBack() {
    QVERIFY2(!PortPresent(kDevice), "the port must start with atkbd");
    QVERIFY(QFile::copy(QStringLiteral(VLAT_SOURCE_DATA_DIR "/DEVICES.TYP"), dataDir_->filePath("DEVICES.TYP")));
    SetAttachPortForDownload(backend_, true);
    TfmMain& main = Start();
    Put(main.ActiveLayout()->Document(), 1, 1, "\x1c");
    main.Action("acDownLoad")->trigger();
    // Three identify attempts on the emulated machine: well over the tests' usual wait.
    QDeadlineTimer deadline(120000);
    while (main.Device().JobRunning() && !deadline.hasExpired())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QVERIFY(!main.Device().JobRunning());
    std::string told;
    for (const std::string& text : prompt_->Labelled()) told += text + "\n";
    QVERIFY2(prompt_->Messages() == std::vector<std::string>{kPlainKeyboardOnly}, told.c_str());
    QVERIFY(!PortPresent(kDevice));
    QCOMPARE(PortDriver(), std::string("atkbd"));
    Stop();
  }
};

}  // namespace
}  // namespace vl

QTEST_MAIN(vl::AppDownloadKernelTest)
#include "AppDownloadKernelTest.moc"
