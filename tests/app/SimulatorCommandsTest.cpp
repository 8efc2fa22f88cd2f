// The simulated keyboard in the main window: offered when there is no port,
// marked wherever it is the port, and the backup of its layout before a download.

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QListWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>
#include <csignal>
#include <unistd.h>

#include "AppFixture.h"
#include "DeviceJobs.h"
#include "TestCatalogue.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/device/AppDevice.h"
#include "app/device/DeviceCommands.h"
#include "app/device/SimCaption.h"
#include "app/device/SimKeyboardWindow.h"
#include "app/device/InfoDialog.h"
#include "app/device/ProgressDialog.h"
#include "app/device/TestWindow.h"
#include "app/editor/GridWindow.h"
#include "app/editor/VL2Grid.h"
#include "app/input/KeyInputWindow.h"
#include "app/input/PortEdit.h"
#include "app/input/DesktopLocks.h"
#include "app/device/SimKeyField.h"
#include "app/main/ShutdownSignals.h"
#include "core/device/Transport.h"
#include "core/device/Download.h"
#include "core/device/Upload.h"
#include "core/device/LayoutBackups.h"
#include "core/document/LayoutFile.h"
#include "ports/PortSelect.h"
#include "sim/CatalogueConfig.h"

namespace vl {

class SimulatorCommandsTest : public QObject, public AppFixture {
  Q_OBJECT

  SimulatedKeyboard* keyboard_ = nullptr;
  VirtualClock* clock_ = nullptr;

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
      clock_ = clock.get();
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
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(!QDir(BackupFolder()).exists());  // off unless chosen

    SetBackupBeforeDownload(backend_, true);
    Put(window->Document(), 1, 1, "\x32");
    QVERIFY(RunCommand(main, "acDownLoad"));
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

  // A logout, a shutdown or a closed terminal during a download ends the
  // application at a block boundary: the half-written layout is cleared and the
  // memory file keeps the empty keyboard, which reads back empty, never with a
  // bad checksum.
  void SignalDuringADownloadClearsTheKeyboardAndKeepsItsMemory() {
    const QString memoryFile =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/keyboard-0105.mem");
    for (const int ending : {SIGTERM, SIGHUP, SIGINT}) {
      QFile::remove(memoryFile);
      backend_.WriteString("", kPortSettingName, "sim:0105");  // the simulated keyboard in real time, kept in its file
      TfmMain& main = Start();
      for (int column = 1; column <= 2; ++column)
        for (int row = 1; row <= 2; ++row) Put(main.ActiveLayout()->Document(), column, row, std::string(200, '\x1C'));
      main.Action("acDownLoad")->trigger();
      QDeadlineTimer deadline(30000);
      while (main.Device().Progress().Bar()->value() < 10 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      // The keyboard runs in real time here; on a machine too busy to keep its
      // pace the download fails before the signal could be sent mid-way.
      if (!main.Device().JobRunning() && !prompt_->Texts().empty() && prompt_->Texts().back() == kWriteErrorNormal)
        QSKIP("the real-time simulated keyboard could not keep pace on this machine");
      QVERIFY2(main.Device().JobRunning(), prompt_->Texts().empty() ? "no job" : prompt_->Texts().back().c_str());
      QTimer::singleShot(0, [ending] { ::kill(::getpid(), ending); });
      QCOMPARE(RunUntilQuit(main.Device()), 0);
      QVERIFY(!main.Device().JobRunning());
      QVERIFY(QFile::exists(memoryFile));
      Stop();

      // Read back by the next run.
      TfmMain& next = Start();
      QVERIFY(RunCommand(next, "acUpload"));
      const std::vector<std::string> told = prompt_->Texts();
      QVERIFY(std::find(told.begin(), told.end(), kDeviceEmpty) != told.end());
      QVERIFY(std::find(told.begin(), told.end(), kCrcError) == told.end());
      Stop();
    }
  }

  // The simulated keyboard's memory that cannot be written back after a job is
  // told after the job's own outcome, and written by the next job once it can.
  void MemoryThatCannotBeKeptIsTold() {
    const QString memoryFile =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/keyboard-0105.mem");
    QFile::remove(memoryFile);
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = Start();
    QVERIFY(main.Device().ByteSource().Valid());  // the device and its memory file are taken
    QVERIFY(QDir().mkpath(memoryFile + QStringLiteral("/in-the-way")));  // nothing can replace it now
    Put(main.ActiveLayout()->Document(), 1, 1, "\x1C");
    QVERIFY(RunCommand(main, "acDownLoad"));
    const QString notKept = QString::fromUtf8("Память имитатора клавиатуры не сохранена в файл \"%1\".").arg(memoryFile);
    QVERIFY(!prompt_->Texts().empty());
    QVERIFY2(QString::fromStdString(prompt_->Texts().back()).startsWith(notKept), prompt_->Texts().back().c_str());

    QVERIFY(QDir(memoryFile).removeRecursively());
    const size_t toldBefore = prompt_->Texts().size();
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(QFileInfo(memoryFile).isFile());
    for (size_t i = toldBefore; i < prompt_->Texts().size(); ++i)
      QVERIFY(!QString::fromStdString(prompt_->Texts()[i]).startsWith(notKept));
    Stop();
    QFile::remove(memoryFile);
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
    QVERIFY(RunCommand(main, "acDownLoad"));
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
    QVERIFY(RunCommand(main, "acDeviceClear"));
    QVERIFY(RunCommand(main, "acDeviceClear"));
    const std::string offer = "Порт клавиатуры не найден. Использовать имитатор клавиатуры?";
    const std::vector<std::string> asked = prompt_->Texts();
    QCOMPARE(std::count(asked.begin(), asked.end(), offer), 1);
    QVERIFY(!backend_.ReadString("", kPortSettingName));

    main_.reset();
    TfmMain& again = Start();
    prompt_->answers = {Answer::Yes};
    auto* list = again.findChild<SupportedDevicesDialog*>();
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
  // The code-sequence lines never took the port's bytes (nothing gave them the
  // port), so a click in the simulator's window did not reach a line, and
  // leaving a line never set the keyboard's indicators back.
  void LineTakesTheSimulatorsKeyAndLeavingSetsItsIndicators() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    TfmGrid* window = main.ActiveLayout();
    Put(window->Document(), 1, 1, "\x1C");
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(main.Device().ByteSource().Send({kSetIndicators, 0x07}));  // every indicator lit
    QCOMPARE(keyboard_->Poll().indicators, 0x07);

    window->Grid().Select(2, 2, 2, 2);
    window->Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main.KeyInput().PressLine(0);
    QApplication::setActiveWindow(line->window());
    line->setFocus(Qt::MouseFocusReason);
    QVERIFY(line->Capturing());
    main.Action("acWindowSimulator")->trigger();
    SimKeyboardWindow* simulator = main.Device().Simulator();
    QVERIFY(simulator);
    const QPoint key = simulator->Field().KeyRect(0, 0).center();
    QTest::mouseClick(&simulator->Field(), Qt::LeftButton, {}, key);
    clock_->Pause(std::chrono::seconds(1));
    simulator->Poll();
    QTRY_COMPARE(QByteArray::fromStdString(line->Bytes()).toHex(), QByteArray("1c"));

    QApplication::setActiveWindow(&main);
    QVERIFY(!line->Capturing());
    const LockStates locks = ReadDesktopLocks();
    QCOMPARE(keyboard_->Poll().indicators, IndicatorBits(locks.NumLock, locks.CapsLock));
    QVERIFY(window->Document().GetKey(2, 2));
  }

  // Closing the program while a download runs asks; No lets it finish, Yes
  // stops it at its next block and closes, the keyboard never half-written.
  void QuittingDuringAJobAsksThenStopsIt() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    TfmGrid* window = main.ActiveLayout();
    Put(window->Document(), 1, 1, "\x1C");
    prompt_->answersByText[kQuitDuringJob] = Answer::No;
    main.Action("acDownLoad")->trigger();
    QVERIFY(main.Device().JobRunning());
    QVERIFY(!main.close());
    QVERIFY(main.Device().JobRunning());
    QVERIFY(WaitForJobs(main));
    QVERIFY(keyboard_->Layout());

    Put(window->Document(), 1, 1, "\x32");
    prompt_->answersByText[kQuitDuringJob] = Answer::Yes;
    main.Action("acDownLoad")->trigger();
    QVERIFY(main.Device().JobRunning());
    QVERIFY(main.close());
    QVERIFY(!main.Device().JobRunning());
    const auto layout = keyboard_->Layout();
    QVERIFY(!layout || layout->keys[0].Layers[0].Macro[0] == "\x1C");
    const std::vector<std::string> told = prompt_->Texts();
    QCOMPARE(std::count(told.begin(), told.end(), std::string(kQuitDuringJob)), 2);
  }

  // The port replaced (the settings changed) while a download runs: the job is
  // stopped and its end never runs on the closed device, the window is free,
  // the byte readers lose the old port, and the new one serves the next job.
  void PortReplacedWhileADownloadRuns() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    TfmGrid* window = main.ActiveLayout();
    Put(window->Document(), 1, 1, "\x1C");
    const PortHandle old = main.Device().ByteSource();
    QVERIFY(old.Valid());
    main.Action("acDownLoad")->trigger();
    QVERIFY(main.Device().JobRunning());
    QVERIFY(!old.Send({kSetIndicators, 0x07}));  // held by the job
    main.Device().ForgetDevice();
    QVERIFY(!main.Device().JobRunning());
    QVERIFY(!old.Valid());
    QVERIFY(!window->Document().Busy);
    QCoreApplication::processEvents();
    QVERIFY(prompt_->Texts().empty());
    QVERIFY(main.Action("acDownLoad")->isEnabled());

    QVERIFY(main.Device().ByteSource().Send({kSetIndicators, 0x07}));
    QCOMPARE(keyboard_->Poll().indicators, 0x07);
    Put(window->Document(), 1, 1, "\x32");
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(prompt_->Texts().empty());
    QCOMPARE(keyboard_->Layout()->keys[0].Layers[0].Macro[0], std::string("\x32"));
  }

  // The keyboard's answers to a download went to a code-sequence line that
  // listened (Forward was not held by a job): a reader listening when a job
  // starts is cut off, none can start listening during it, and after it they can.
  void NoReaderHearsTheKeyboardWhileAJobHoldsThePort() {
    struct Heard final : IByteReceiver {
      std::vector<uint8_t> bytes;
      void OnKeyboardByte(uint8_t byte) override { bytes.push_back(byte); }
    } before, during;
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    Put(main.ActiveLayout()->Document(), 1, 1, "\x1C");
    const PortHandle handle = main.Device().ByteSource();
    QVERIFY(handle.Forward(&before));
    main.Action("acDownLoad")->trigger();
    QVERIFY(main.Device().JobRunning());
    QVERIFY(!handle.Forward(&during));
    QVERIFY(WaitForJobs(main));
    QVERIFY(before.bytes.empty());
    QVERIFY(during.bytes.empty());

    QVERIFY(handle.Forward(&during));
    keyboard_->Press(0, 0);
    clock_->Pause(std::chrono::seconds(1));
    keyboard_->Poll();
    QVERIFY(!during.bytes.empty());
    handle.Forward(nullptr);
  }

  // The port went before the test window's byte reader; a job under way at the
  // end must not outlive what it uses.
  void EndWithTheTestWindowCapturingAndAJobUnderWay() {
    backend_.WriteString("", kPortSettingName, "sim:0105");
    TfmMain& main = StartWithSimulator();
    main.Action("acWindowTest")->trigger();
    TfmTest& test = main.Device().Test();
    QApplication::setActiveWindow(&test);
    test.PortMemo()->setFocus();
    QTRY_VERIFY(test.Capturing());
    Put(main.ActiveLayout()->Document(), 1, 1, "\x1C");
    main.Action("acDownLoad")->trigger();
    QVERIFY(main.Device().JobRunning());
    main_.reset();
    FlushDeletes();
  }
};

int RunSimulatorCommandsTest(int argc, char** argv) {
  SimulatorCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "SimulatorCommandsTest.moc"
