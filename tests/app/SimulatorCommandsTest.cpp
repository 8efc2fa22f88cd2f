// The simulated keyboard in the main window: offered when there is no port,
// marked wherever it is the port, and the backup of its layout before a download.

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include "AppFixture.h"
#include "TestCatalogue.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/device/AppDevice.h"
#include "app/device/DeviceCommands.h"
#include "app/device/SimCaption.h"
#include "app/device/SimKeyboardWindow.h"
#include "app/device/TfmInfo.h"
#include "core/device/LayoutBackups.h"
#include "core/document/LayoutFile.h"
#include "ports/PortSelect.h"
#include "sim/CatalogueConfig.h"

namespace vl {

class SimulatorCommandsTest : public QObject, public AppFixture {
  Q_OBJECT

  SimulatedKeyboard* keyboard_ = nullptr;

  // A 2 x 2 keyboard of 8 KiB whose positions lie straight on the grid.
  void WriteCatalogue() {
    test::WriteCatalogue(dataDir_->path().toStdString(),
                         {.type = "0105", .width = 2, .height = 2, .memory = 8192, .more = "About=Test\r\n"});
  }

  // The simulated keyboard of the catalogue on the virtual clock as the device.
  TfmMain& StartWithSimulator() {
    TfmMain& main = Start();
    main.SetDeviceOpener([this]() -> std::unique_ptr<AppDevice> {
      auto catalogue = std::make_unique<FolderDeviceCatalogue>(dataDir_->path().toStdString());
      auto clock = std::make_unique<VirtualClock>();
      auto keyboard =
          std::make_unique<SimulatedKeyboard>(*clock, sim::CatalogueConfig(catalogue->Catalogue(), 0x105));
      keyboard_ = keyboard.get();
      return std::make_unique<AppDevice>(std::move(clock), std::move(keyboard), std::move(catalogue));
    });
    return main;
  }

  static QString BackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
  }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void cleanupTestCase() { QStandardPaths::setTestModeEnabled(false); }
  void init() {
    backend_.Remove("", kPortSettingName);
    backend_.Remove("", kBackupSettingName);
    settings_ = SettingsStore();
    settings_.Set(Setting::IsShowDownloadParameters, 0);
    settings_.Set(Setting::IsTestAfterDownload, 0);
    settings_.Set(Setting::IsCheckLayout, 0);
    WriteCatalogue();
    QDir(BackupFolder()).removeRecursively();
    QFile::remove(BackupFolder());
  }
  void cleanup() {
    main_.reset();
    FlushDeletes();
    QDir(BackupFolder()).removeRecursively();
    QFile::remove(BackupFolder());
  }

  void DownloadFirstKeepsWhatTheKeyboardHeld() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    TfmGrid* window = main.ActiveLayout();
    Put(window->Document(), 1, 1, "\x1C");
    main.Action("acDownLoad")->trigger();
    QVERIFY(!QDir(BackupFolder()).exists());  // off unless chosen

    SetBackupBeforeDownload(backend_, true);
    Put(window->Document(), 1, 1, "\x32");
    main.Action("acDownLoad")->trigger();
    QVERIFY(prompt_->Texts().empty());
    const QStringList backups = QDir(BackupFolder()).entryList(QDir::Files);
    QCOMPARE(backups.size(), 1);
    QVERIFY(IsBackupFileName(backups.first().toStdString()));
    QVERIFY(backups.first().startsWith(QStringLiteral("04660_")));  // the simulator's serial number
    TVL2Document held;
    NullReporter reporter;
    LoadLayout(held, QDir(BackupFolder()).filePath(backups.first()).toStdString(), *prompt_, reporter);
    QVERIFY(held.GetKey(1, 1));
    QCOMPARE(held.GetKey(1, 1)->Layers[0].Macro[0], std::string("\x1C"));
    // And the keyboard took the new layout.
    QCOMPARE(keyboard_->Layout()->keys[0].Layers[0].Macro[0], std::string("\x32"));
  }

  void BackupThatCannotBeWrittenStopsTheDownload() {
    SetBackupBeforeDownload(backend_, true);
    QVERIFY(QDir().mkpath(QFileInfo(BackupFolder()).absolutePath()));
    QFile blocker(BackupFolder());  // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TfmMain& main = StartWithSimulator();
    TfmGrid* window = main.ActiveLayout();
    Put(window->Document(), 1, 1, "\x1C");
    main.Action("acDownLoad")->trigger();
    QVERIFY(!prompt_->Texts().empty());
    QVERIFY(QString::fromStdString(prompt_->Texts().back()).startsWith(QString::fromUtf8("Копия раскладки")));
    QVERIFY(!keyboard_->Layout());  // nothing was written
  }

  void ChosenSimulatorIsMarkedAndItsWindowOffered() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    bool marked = false;
    for (QLabel* label : main.statusBar()->findChildren<QLabel*>())
      marked |= label->isVisible() && label->text().contains(QString::fromUtf8("имитатор клавиатуры"));
    QVERIFY(marked);
    QVERIFY(main.Action("acWindowSimulator")->isEnabled());
    main.Action("acWindowSimulator")->trigger();
    QVERIFY(main.Device().Simulator() && main.Device().Simulator()->isVisible());

    TfmInfo& info = main.Device().Info();
    info.setWindowTitle(QString::fromUtf8("Информация"));
    info.show();
    QCOMPARE(info.windowTitle(), QString::fromUtf8("Информация — имитатор клавиатуры"));
    info.hide();

    // Back to no port: the window goes with the keyboard, the marks with the choice.
    backend_.WriteString("", kPortSettingName, "none");
    main.Device().ForgetDevice();
    QVERIFY(!main.Device().Simulator());
    QVERIFY(!main.Action("acWindowSimulator")->isEnabled());
    for (QLabel* label : main.statusBar()->findChildren<QLabel*>())
      QVERIFY(!label->isVisible() || !label->text().contains(QString::fromUtf8("имитатор")));
    info.show();
    QCOMPARE(info.windowTitle(), QString::fromUtf8("Информация"));
  }

  void MissingPortOffersTheSimulatorOnce() {
    if (QFile::exists(QString::fromLatin1(kDefaultSerioRawPath))) QSKIP("this machine has a keyboard port");
    TfmMain& main = Start();  // the real opener: nothing stored, no port
    prompt_->answers = {Answer::No};
    main.Action("acDeviceClear")->trigger();
    main.Action("acDeviceClear")->trigger();
    const std::string offer = "Порт клавиатуры не найден. Использовать имитатор клавиатуры?";
    const std::vector<std::string> asked = prompt_->Texts();
    QCOMPARE(std::count(asked.begin(), asked.end(), offer), 1);
    QVERIFY(!backend_.ReadString("", kPortSettingName));

    main_.reset();
    TfmMain& again = Start();
    prompt_->answers = {Answer::Yes};
    auto* list = again.findChild<TfmExAbout*>();
    QVERIFY(list);
    QTimer::singleShot(0, list, [list] {
      list->List()->setCurrentRow(0);
      list->accept();
    });
    again.Device().Device();
    QCOMPARE(backend_.ReadString("", kPortSettingName).value_or(""), std::string("sim:0105"));
    QVERIFY(again.Device().SimulatedChosen());
    QVERIFY(again.Action("acWindowSimulator")->isEnabled());
    QVERIFY(again.Device().Device() && again.Device().Device()->Simulated());
  }
};

int RunSimulatorCommandsTest(int argc, char** argv) {
  SimulatorCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "SimulatorCommandsTest.moc"
