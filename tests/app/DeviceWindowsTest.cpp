// The device commands of the main window against a simulated keyboard in the
// process, on the virtual clock: download and upload under the progress window,
// their early exits and cancels, information, interval, clear and the key image.

#include <atomic>
#include <condition_variable>
#include <mutex>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "AppFixture.h"
#include "DeviceJobs.h"
#include "app/device/CompareDialog.h"
#include "app/device/PortHelper.h"
#include "TestCatalogue.h"
#include "app/device/DeviceCommands.h"
#include "app/device/DeviceVerdicts.h"
#include "app/device/IntervalDialog.h"
#include "app/device/InfoDialog.h"
#include "app/device/JobRunner.h"
#include "app/editor/ParametersDialog.h"
#include "app/input/CardInputWindow.h"
#include "app/input/KeyInputWindow.h"
#include "ports/PortSelect.h"
#include "app/device/ProgressDialog.h"
#include "app/device/TestWindow.h"
#include "app/editor/GridWindow.h"
#include "app/editor/VL2Grid.h"
#include "core/device/Clear.h"
#include "core/device/DeviceImage.h"
#include "core/device/Download.h"
#include "core/device/DeviceField.h"
#include "core/device/Upload.h"
#include "core/device/Interval.h"
#include "core/device/OperationDriver.h"
#include "core/device/TestDisplay.h"
#include "core/document/Undo.h"
#include "core/formats/KeyImageDevice.h"
#include "sim/CatalogueConfig.h"
#include "sim/SimulatedPort.h"

namespace vl {
namespace {

constexpr uint16_t kType = 0x105;

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

// The keyboard's port, gone (serio_raw unbound, the keyboard pulled) once pulled.
// It can also hold the worker in the middle of a block, after a given number of
// bytes, until the user-interface thread lets it go on: the worker's reports do
// not wait for the user interface, so this is how a test acts mid-job.
class VanishingPort final : public Port {
 public:
  explicit VanishingPort(std::unique_ptr<Port> inner) : inner_(std::move(inner)) {}
  ~VanishingPort() override { Resume(); }
  bool SendByte(uint8_t byte) override {
    {
      std::unique_lock lock(mutex_);
      if (++sent_ == pauseAt_) {
        paused_ = true;
        resumed_.wait(lock, [this] { return !paused_; });
      }
    }
    return !gone && inner_->SendByte(byte);
  }
  void SetCapture(uint32_t target) override { inner_->SetCapture(target); }
  uint16_t TakeByte() override { return gone ? 0 : inner_->TakeByte(); }
  void Forward(IByteReceiver* receiver) override { inner_->Forward(receiver); }
  std::atomic<bool> gone{false};

  void PauseAfter(long bytes) {
    const std::lock_guard lock(mutex_);
    pauseAt_ = sent_ + bytes;
  }
  bool Paused() const {
    const std::lock_guard lock(mutex_);
    return paused_;
  }
  void Resume() {
    {
      const std::lock_guard lock(mutex_);
      paused_ = false;
      pauseAt_ = -1;
    }
    resumed_.notify_all();
  }

 private:
  std::unique_ptr<Port> inner_;
  mutable std::mutex mutex_;
  std::condition_variable resumed_;
  long sent_ = 0;
  long pauseAt_ = -1;
  bool paused_ = false;
};

// Bytes the host sends before a download of the filled 8 x 8 layout is about
// half written, and before an upload of it is about half read.
constexpr long kDownloadMidway = 1200;
constexpr long kUploadMidway = 300;

// Stands for pkexec and vlat-port on PATH while it lives: "pkexec vlat-port VERB"
// records the verb (after releaseSeconds for a release, as a password prompt
// would take) and makes or removes the port's node.
struct FakePortHelper {
  explicit FakePortHelper(int releaseSeconds = 0) : path(qgetenv("PATH")) {
    Script(QStringLiteral("vlat-port"), QStringLiteral("exit 0\n"));
    Script(QStringLiteral("pkexec"),
           QStringLiteral("[ \"$2\" = release ] && sleep %3\n"
                          "echo \"$2\" >> '%1'\n"
                          "case \"$2\" in attach) : > '%2';; release) rm -f '%2';; esac\n")
               .arg(bin.filePath(QStringLiteral("calls")), node)
               .arg(releaseSeconds));
    qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
  }
  ~FakePortHelper() { qputenv("PATH", path); }
  QByteArray Calls() const {
    QFile recorded(bin.filePath(QStringLiteral("calls")));
    return recorded.open(QIODevice::ReadOnly) ? recorded.readAll() : QByteArray();
  }

  QTemporaryDir bin;
  QString node = bin.filePath(QStringLiteral("serio_raw0"));
  QByteArray path;

 private:
  void Script(const QString& name, const QString& body) const {
    QFile file(bin.filePath(name));
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(("#!/bin/sh\n" + body).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
};

// ThreadSanitizer cannot follow the fork of a process started from a worker thread
// (it loses the thread's synchronisation and kills the child): the helper's tests
// run in the other builds.
#if defined(__SANITIZE_THREAD__)
#define SKIP_UNDER_THREAD_SANITIZER() QSKIP("a helper process started from a worker thread")
#else
#define SKIP_UNDER_THREAD_SANITIZER()
#endif

class DeviceWindowsTest : public QObject, public AppFixture {
  Q_OBJECT

  sim::SimulatedPort* keyboard_ = nullptr;
  VanishingPort* port_ = nullptr;

  // An 8 x 8 keyboard of 8 KiB whose positions lie straight on the grid; the
  // catalogue may claim more memory than the keyboard has (an unreadable header).
  void WriteCatalogue(int catalogueMemory = 8192, const char* decodingFile = "STRAIGHT.DEC") {
    test::WriteCatalogue(dataDir_->path().toStdString(),
                         {.type = "0105",
                          .width = 8,
                          .height = 8,
                          .memory = catalogueMemory,
                          .namedFile = decodingFile,
                          .more = "About=Test\r\nIsImage=1\r\nImageWidth=1800\r\nImageHeight=1800\r\n"
                                  "KeyWidth=200\r\nKeyHeight=200\r\nStepX=220\r\nStepY=220\r\n"
                                  "ImageKeyWidth=1800\r\nImageKeyHeight=1800\r\nImageHorKeySpace=100\r\n"
                                  "ImageVerKeySpace=100\r\nImageLeftSpace=500\r\nImageTopSpace=500\r\n"});
  }

  // The simulated keyboard (or no port) as the window's device, opened now with
  // the catalogue as it stands.
  void UseKeyboard(TfmMain& main, bool connected = true, bool openNow = true, long pauseAfter = -1) {
    keyboard_ = nullptr;
    port_ = nullptr;
    main.SetDeviceOpener([this, connected, pauseAfter]() -> std::unique_ptr<AppDevice> {
      auto catalogue = std::make_unique<FolderDeviceCatalogue>(dataDir_->path().toStdString());
      auto clock = std::make_unique<VirtualClock>();
      std::unique_ptr<Port> port;
      if (connected) {
        auto keyboard = std::make_unique<sim::SimulatedPort>(*clock, sim::SimConfig{});
        keyboard_ = keyboard.get();
        auto vanishing = std::make_unique<VanishingPort>(std::move(keyboard));
        port_ = vanishing.get();
        if (pauseAfter >= 0) port_->PauseAfter(pauseAfter);
        port = std::move(vanishing);
      } else {
        port = std::make_unique<NullPort>();
      }
      return std::make_unique<AppDevice>(std::move(clock), std::move(port), std::move(catalogue));
    });
    if (openNow) main.Device().Device();
  }

  TfmMain& StartWithKeyboard(bool connected = true) {
    TfmMain& main = Start();
    UseKeyboard(main, connected);
    return main;
  }

  static void FillLayout(TVL2Document& document) {
    for (int column = 1; column <= 8; ++column)
      for (int row = 1; row <= 8; ++row) Put(document, column, row, std::string(8, static_cast<char>(0x1C)));
  }

  static QByteArray Contents(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }

  std::vector<uint8_t> Memory(size_t count) const {
    return {keyboard_->Memory().begin(), keyboard_->Memory().begin() + static_cast<long>(count)};
  }
  int StoredSize() const {
    const auto& memory = keyboard_->Memory();
    const auto header = UnpackHeader(std::span<const uint8_t, 8>(&memory[keyboard_->HeaderAddress()], 8));
    return header.DataSize;
  }

  // The image the core builds for the window's layout on this keyboard.
  std::vector<uint8_t> Expected(TfmGrid& window) {
    const ImageDevice device{0x1234, 8, 8, true, 1, 2};
    return *BuildDeviceImage(window.Document(), settings_, device, {1, 1, 8, 8}, [](int x, int y) {
      return GridOffset{x, y};
    });
  }

  // Runs step on the user-interface thread while the next job's worker is held
  // after bytes sent bytes, in the middle of a block; then lets it go on.
  void WhilePaused(long bytes, std::function<void()> step) {
    port_->PauseAfter(bytes);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this, poll, step = std::move(step)] {
      if (!port_->Paused()) return;
      poll->deleteLater();
      poll->stop();
      step();
      port_->Resume();
    });
    poll->start(1);
  }

  // Presses the progress window's cancel in the middle of the next job.
  void CancelMidway(TfmMain& main, long bytes = kDownloadMidway) {
    WhilePaused(bytes, [&main] { main.Device().Jobs().Cancel(); });
  }

 private slots:
  void init() {
    settings_ = SettingsStore();
    settings_.Set(Setting::IsShowDownloadParameters, 0);
    settings_.Set(Setting::IsTestAfterDownload, 0);
    WriteCatalogue();
  }
  void cleanup() {
    main_.reset();
    FlushDeletes();
  }

  void DownloadLeavesTheCoreImageAndItsHeader() {
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(prompt_->Texts().empty());
    const auto image = Expected(*window);
    QCOMPARE(Memory(image.size()), image);
    QCOMPARE(StoredSize(), static_cast<int>(image.size()));
    QCOMPARE(main.Device().Progress().windowTitle(), U("Загрузка"));
    QCOMPARE(main.Device().Progress().ModeLabel()->text(), U("нормальный (для рабочих станций)"));
    QVERIFY(!main.Device().Progress().isVisible());
    QVERIFY(!window->Document().Busy);
    QCOMPARE(window->Grid().Selection(), (TRect{1, 1, 8, 8}));
  }

  void EarlyExitsOfThePreparationWriteNothing() {
    struct Case {
      const char* name;
      std::function<void(DeviceWindowsTest&, TfmGrid&)> arrange;
      bool connected;
      const char* told;
    };
    const Case cases[] = {
        {"no device", {}, false, "Устройство не подключено."},
        {"decoding file missing", [](DeviceWindowsTest& t, TfmGrid&) { t.WriteCatalogue(8192, "GONE.DEC"); }, true,
         nullptr},
        {"selection too large, No",
         [](DeviceWindowsTest& t, TfmGrid& w) {
           w.Grid().Select(1, 1, 9, 8);
           t.prompt_->answers = {Answer::No};
         },
         true, kSelectionTooLarge},
        {"check remarks, No",
         [](DeviceWindowsTest& t, TfmGrid& w) {
           // Data on a layer that is not loaded.
           t.settings_.Set(Setting::LayerCount, 0);
           auto key = std::make_unique<TMacroButton>(*w.Document().GetKey(2, 2));
           key->Layers[3].Macro[0] = std::string(1, static_cast<char>(0x1E));
           w.Document().SetKey(2, 2, std::move(key));
           t.prompt_->answers = {Answer::No};
         },
         true, kCheckRemarks},
        {"properties, No",
         [](DeviceWindowsTest& t, TfmGrid&) {
           t.settings_.Set(Setting::IsShowDownloadParameters, 1);
           t.prompt_->answers = {Answer::No};
         },
         true, nullptr},
        {"controller version unreadable", [](DeviceWindowsTest& t, TfmGrid&) { t.WriteCatalogue(16384); }, true,
         kControllerReadError},
    };
    for (const Case& c : cases) {
      init();
      TfmMain& main = Start();
      TfmGrid* window = main.ActiveLayout();
      FillLayout(window->Document());
      if (c.arrange) c.arrange(*this, *window);
      UseKeyboard(main, c.connected);
      const std::vector<uint8_t> before = keyboard_ ? keyboard_->Memory() : std::vector<uint8_t>{};
      QVERIFY(RunCommand(main, "acDownLoad"));
      const std::vector<std::string> asked = prompt_->Texts();
      if (c.told) QVERIFY2(std::find(asked.begin(), asked.end(), c.told) != asked.end(), c.name);
      QVERIFY2(!asked.empty(), c.name);
      if (keyboard_) {
        QVERIFY2(keyboard_->Memory() == before, c.name);
        QCOMPARE(keyboard_->BlocksAccepted(), 0);
      }
      QVERIFY2(!main.Device().Progress().isVisible(), c.name);
      QVERIFY2(!window->Document().Busy, c.name);
      cleanup();
    }
  }

  void CancelledDownloadAnsweredNoClearsAndYesCompletes() {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      init();
      TfmMain& main = StartWithKeyboard();
      TfmGrid* window = main.ActiveLayout();
      FillLayout(window->Document());
      CancelMidway(main);
      prompt_->answers = {answer};
      QVERIFY(RunCommand(main, "acDownLoad"));
      QCOMPARE(prompt_->Texts(), std::vector<std::string>{kCancelDownloadQuestion});
      if (answer == Answer::No) {
        QCOMPARE(StoredSize(), 0);
      } else {
        const auto image = Expected(*window);
        QCOMPARE(Memory(image.size()), image);
        QCOMPARE(StoredSize(), static_cast<int>(image.size()));
      }
      cleanup();
    }
  }

  void UploadIsUndoneAndItsCancelNeitherAsksNorClears() {
    TfmMain& main = StartWithKeyboard();
    TfmGrid* source = main.ActiveLayout();
    FillLayout(source->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    const int stored = StoredSize();

    TfmGrid* target = main.NewLayout();
    QVERIFY(RunCommand(main, "acUpload"));
    QVERIFY(prompt_->Texts().empty());
    QVERIFY(target->Document().GetKey(8, 8));
    // The block the device filled is selected.
    QCOMPARE(target->Grid().Selection(), (TRect{1, 1, 8, 8}));
    QCOMPARE(main.Action("acUndo")->text(), QString("&Отменить чтение данных из устройства"));
    main.Action("acUndo")->trigger();
    QVERIFY(!target->Document().GetKey(8, 8));
    main.Action("acRedo")->trigger();
    QVERIFY(target->Document().GetKey(8, 8));
    main.Action("acUndo")->trigger();
    // From a single selected cell, the device-sized block at it.
    target->Grid().Select(2, 3, 2, 3);
    QVERIFY(RunCommand(main, "acUpload"));
    QCOMPARE(target->Grid().Selection(), (TRect{2, 3, 9, 10}));
    QVERIFY(target->Document().GetKey(9, 10));
    main.Action("acUndo")->trigger();

    CancelMidway(main, kUploadMidway);
    QVERIFY(RunCommand(main, "acUpload"));
    QVERIFY(prompt_->Texts().empty());
    QCOMPARE(StoredSize(), stored);
    QVERIFY(!target->Document().GetKey(8, 8));
  }

  void InformationShowsElevenRows() {
    TfmMain& main = StartWithKeyboard();
    QVERIFY(RunCommand(main, "acInfo"));
    QVERIFY(main.Device().Info().isVisible());
    QTreeWidget* list = main.Device().Info().List();
    QCOMPARE(list->topLevelItemCount(), 11);
    QCOMPARE(list->topLevelItem(0)->text(1), U("0105"));
    QCOMPARE(list->topLevelItem(1)->text(1), U("Test"));
    QCOMPARE(list->topLevelItem(2)->text(1), U("04660"));
    QCOMPARE(list->topLevelItem(10)->text(1), U("1,2"));
  }

  void IntervalSendsItsCodeAndTellsAMissingDevice() {
    for (const auto& [item, code] : {std::pair{15, 0}, std::pair{1, 2}, std::pair{0, 1}}) {
      TfmMain& main = StartWithKeyboard();
      IntervalDialog& dialog = main.Device().IntervalChoice();
      QTimer::singleShot(0, &dialog, [&dialog, item] {
        dialog.Intervals()->setCurrentIndex(item);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      });
      QVERIFY(RunCommand(main, "acIBD"));
      QCOMPARE(keyboard_->IntervalCode(), code);
      QVERIFY(prompt_->Texts().empty());
      cleanup();
    }
    TfmMain& main = StartWithKeyboard(false);
    IntervalDialog& dialog = main.Device().IntervalChoice();
    QTimer::singleShot(0, &dialog, [&dialog] {
      QCOMPARE(dialog.Intervals()->currentIndex(), 1);
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(RunCommand(main, "acIBD"));
    QCOMPARE(prompt_->Texts(), std::vector<std::string>{kOstrelNotConnected});
  }

  void TestWindowShowsCodesAndNames() {
    TfmMain& main = StartWithKeyboard(false);
    TfmTest& test = main.Device().Test();
    QPlainTextEdit* memo = test.PortMemo();
    test.System()->setCurrentIndex(0);
    test.Receive(0x1C);
    QCOMPARE(memo->toPlainText(), QStringLiteral("028 "));
    memo->clear();
    test.System()->setCurrentIndex(1);
    test.Receive(0x1C);
    QCOMPARE(memo->toPlainText(), QStringLiteral("0x1c "));

    // A held key repeats its make code; it is named once, and its release names nothing.
    memo->clear();
    test.System()->setCurrentIndex(2);
    for (quint8 byte : {0x1E, 0x1E, 0x1E, 0x9E}) test.Receive(byte);
    TestDisplay names(TestDisplayMode::Names);
    const QString name = QString::fromStdString(names.Format(0x1E));
    QVERIFY(!name.isEmpty());
    QCOMPARE(memo->toPlainText(), name);
  }

  void TestWindowCapturesOnlyOnThePortMemoAndKeepsItsPlacement() {
    {
      TfmMain& main = StartWithKeyboard(false);
      TfmTest& test = main.Device().Test();
      test.System()->setCurrentIndex(0);
      test.ShowTest();
      QVERIFY(QTest::qWaitForWindowActive(&test));
      test.PortMemo()->setFocus();
      QVERIFY(test.Capturing());
      // Enter from the desktop keyboard: evdev 28, native 36, set-1 0x1C and 0x9C.
      QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, 36, 0, 0);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, 36, 0, 0);
      QApplication::sendEvent(test.PortMemo(), &press);
      QApplication::sendEvent(test.PortMemo(), &release);
      QCOMPARE(test.PortMemo()->toPlainText(), QStringLiteral("028 156 "));

      test.Pages()->setCurrentIndex(1);
      test.Notebook()->setFocus();
      QVERIFY(!test.Capturing());
      test.Pages()->setCurrentIndex(0);
      test.PortMemo()->setFocus();
      QVERIFY(test.Capturing());
      test.Pages()->setCurrentIndex(1);
      test.System()->setCurrentIndex(2);
      test.resize(100, 100);
      QCOMPARE(test.size(), QSize(285, 200));
      cleanup();
    }
    QCOMPARE(backend_.ReadInt("Windows\\Test", "system"), std::optional<uint32_t>(2));
    QCOMPARE(backend_.ReadInt("Windows\\Test", "active page"), std::optional<uint32_t>(1));
    TfmMain& main = StartWithKeyboard(false);
    QCOMPARE(main.Device().Test().System()->currentIndex(), 2);
    QCOMPARE(main.Device().Test().Pages()->currentIndex(), 1);
  }

  void KeyImageWritesTheCoreRichText() {
    settings_.Set(Setting::ImageDevice, 0);
    settings_.Set(Setting::ImageRun, 0);
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    QTemporaryDir out;
    const QString file = out.filePath("keys.rtf");
    dialogs_->names = {file};
    QVERIFY(RunCommand(main, "acImage"));
    QCOMPARE(window->Grid().Selection(), (TRect{1, 1, 8, 8}));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));

    const DeviceCatalogue catalogue = FolderDeviceCatalogue(dataDir_->path().toStdString()).Catalogue();
    const auto request = DeviceImageRequest(catalogue, kType, window->Document(), 1, 1, KeyImageFormat::RichText,
                                            KeyImageOptions::FromSettings(settings_), *prompt_);
    QVERIFY(request);
    NullReporter reporter;
    const QString expected = out.filePath("expected.rtf");
    QVERIFY(WriteKeyImage(expected.toStdString(), KeyImageFormat::RichText, *request, *prompt_, reporter));
    QFile reference(expected);
    QVERIFY(reference.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1"));
    QCOMPARE(bytes, reference.readAll());
  }

  // A stray click moved the key image's field silently; now the field is named
  // and No writes nothing.
  void KeyImageAwayFromTheFirstKeyNamesItsField() {
    settings_.Set(Setting::ImageDevice, 0);
    settings_.Set(Setting::ImageRun, 0);
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    window->Grid().Select(3, 2, 3, 2);
    QTemporaryDir out;
    dialogs_->names = {out.filePath("keys.rtf")};
    prompt_->answers = {Answer::No};
    QVERIFY(RunCommand(main, "acImage"));
    QCOMPARE(prompt_->Texts(), (std::vector<std::string>{std::string("Поле устройства 8×8 с клавиши (3,2).\n\n") +
                                                          kKeyImageFieldQuestion}));
    QCOMPARE(window->Grid().Selection(), (TRect{3, 2, 10, 9}));
    QVERIFY(!QFile::exists(out.filePath("keys.rtf")));
    prompt_->answers = {Answer::Yes};
    QVERIFY(RunCommand(main, "acImage"));
    QVERIFY(QFile::exists(out.filePath("keys.rtf")));
  }

  void KeyImageTakesTheFormatFromTheName() {
    settings_.Set(Setting::ImageDevice, 0);
    settings_.Set(Setting::ImageRun, 0);
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    QTemporaryDir out;
    dialogs_->names = {out.filePath("keys.pdf"), out.filePath("keys.svg")};
    QVERIFY(RunCommand(main, "acImage"));
    QVERIFY(RunCommand(main, "acImage"));
    QFile pdf(out.filePath("keys.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF-"));
    QFile svg(out.filePath("keys.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg width=\"161mm\" height=\"161mm\""));
  }

  void PrintKeyImagePreviewsAndPrints() {
    settings_.Set(Setting::ImageDevice, 0);
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    window->Grid().Select(2, 2, 2, 2);
    QTemporaryDir out;
    const QString file = out.filePath("printed.pdf");
    int pages = -1;
    QString title;
    QStringList parts;
    int shownFirst = -1;
    // The preview is modal: look for it until it is there, then print it to a file.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
      if (preview == nullptr || !preview->isVisible()) return;
      poll.stop();
      title = preview->windowTitle();
      if (auto* part = preview->findChild<QComboBox*>(QStringLiteral("PrintedPart"))) {
        for (int i = 0; i < part->count(); ++i) parts << part->itemText(i);
        shownFirst = part->currentIndex();
        part->setCurrentIndex(1);  // the field at the selected key, printed below
      }
      auto* widget = preview->findChild<QPrintPreviewWidget*>();
      pages = widget ? widget->pageCount() : -1;
      preview->printer()->setOutputFormat(QPrinter::PdfFormat);
      preview->printer()->setOutputFileName(file);
      if (widget) widget->print();
      preview->reject();
    });
    poll.start(10);
    QAction* print = main.Action("acPrintImage");
    QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    print->trigger();
    QVERIFY(WaitForJobs(main));
    QCOMPARE(title, U("Печать рисунка клавиш"));
    // The whole layout first; the field at the selected key when chosen. The
    // selection stays as it was.
    QCOMPARE(parts, (QStringList{U("Вся раскладка"), U("Поле устройства 8×8 с клавиши (2,2).")}));
    QCOMPARE(shownFirst, 0);
    QCOMPARE(window->Grid().Selection(), (TRect{2, 2, 2, 2}));
    QCOMPARE(pages, 1);
    QFile printed(file);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.readAll().startsWith("%PDF-"));
  }

  // The key image reported in the first status panel and left it empty, so a
  // modified layout looked saved; a viewer that cannot start is told.
  void KeyImageGivesTheStatusBackAndTellsAViewerNotStarted() {
    settings_.Set(Setting::ImageDevice, 0);
    settings_.Set(Setting::ImageRun, 1);
    TfmMain& main = StartWithKeyboard();
    main.OpenUrl = [](const QUrl&) { return false; };
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    window->Document().Modified = true;
    main.CommandsChanged();
    QTemporaryDir out;
    dialogs_->names = {out.filePath("keys.rtf")};
    QVERIFY(RunCommand(main, "acImage"));
    QVERIFY(QFile::exists(out.filePath("keys.rtf")));
    QCOMPARE(main.StatusText(StatusPanel::Saved), U("не сохранена"));
    QCOMPARE(prompt_->Texts().size(), size_t{1});
    QVERIFY(QString::fromStdString(prompt_->Texts()[0]).contains(QStringLiteral("keys.rtf")));
  }

  // An upload replaced the layout of a file: the save before a download and the
  // periodic autosave asked nothing and wrote the device's content over the file,
  // notes and all. Now they ask; No downloads without saving and keeps the file.
  void AutomaticSaveAsksBeforeOverwritingAnUploadedLayout() {
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));

    TfmGrid* window = main.NewLayout();
    Put(window->Document(), 1, 1, std::string(1, '\x1C'));
    window->Document().GetKey(1, 1)->Layers[0].Note = "kept in the file only";
    const QString file = dataDir_->filePath("kept.vld");
    dialogs_->names = {file};
    window->Document().Modified = true;
    QVERIFY(main.SaveWindow(*window, false));
    const QByteArray saved = Contents(file);
    QVERIFY(RunCommand(main, "acUpload"));
    QVERIFY(window->Document().Modified);

    const int blocks = keyboard_->BlocksAccepted();
    prompt_->answers = {Answer::No};
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(prompt_->Texts().size(), size_t{1});
    QVERIFY(QString::fromStdString(prompt_->Texts()[0]).contains(QStringLiteral("kept.vld")));
    QCOMPARE(Contents(file), saved);
    QVERIFY(keyboard_->BlocksAccepted() > blocks);

    prompt_->answers = {Answer::No};
    main.AutosaveTick();
    QCOMPARE(Contents(file), saved);
    prompt_->answers = {Answer::Yes};
    main.AutosaveTick();
    QVERIFY(Contents(file) != saved);
    QVERIFY(!window->Document().Modified);
    // Once saved, the file holds what the window shows: no more questions.
    window->Document().Modified = true;
    main.AutosaveTick();
    QCOMPARE(prompt_->Texts().size(), size_t{3});
  }

  // A save before the download that was cancelled (or failed) ended the download
  // without a word.
  void UnsavedLayoutIsToldAndMayBeDownloadedAnyway() {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      init();
      TfmMain& main = StartWithKeyboard();
      TfmGrid* window = main.ActiveLayout();
      FillLayout(window->Document());
      window->Document().Modified = true;
      prompt_->answers = {answer};
      QVERIFY(RunCommand(main, "acDownLoad"));  // the save dialog is cancelled
      QCOMPARE(prompt_->Texts().size(), size_t{1});
      QVERIFY(QString::fromStdString(prompt_->Texts()[0]).contains(U("не сохранена")));
      QCOMPARE(keyboard_->BlocksAccepted() > 0, answer == Answer::Yes);
      cleanup();
    }
  }

  // The test window opened after any download, declined ones included, and lost
  // the activation to the main window when the progress window closed; finished
  // commands said nothing.
  void FinishedCommandsSaySoAndTheTestWindowFollowsADoneDownload() {
    settings_.Set(Setting::IsTestAfterDownload, 1);
    settings_.Set(Setting::IsShowDownloadParameters, 1);
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    TfmTest& test = main.Device().Test();
    test.Pages()->setCurrentIndex(1);
    prompt_->answers = {Answer::No};
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCoreApplication::processEvents();
    QVERIFY(!test.isVisible());
    QVERIFY(main.statusBar()->currentMessage().isEmpty());

    // The progress window stood over the main window, not in the middle of the screen.
    main.setGeometry(20, 20, 500, 400);
    TfmProgress& progress = main.Device().Progress();
    QPoint centre;
    auto* once = new QObject(progress.Bar());
    connect(progress.Bar(), &QProgressBar::valueChanged, once, [&progress, &centre, once](int value) {
      if (value == 0) return;
      centre = progress.frameGeometry().center();
      delete once;
    });
    prompt_->answers = {Answer::Yes};
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(main.statusBar()->currentMessage(), U(kDownloadDoneStatus));
    QVERIFY((centre - QApplication::primaryScreen()->availableGeometry().center()).manhattanLength() <= 6);
    QTRY_VERIFY(test.isVisible());
    QTRY_VERIFY(test.isActiveWindow());
    QCOMPARE(test.Pages()->currentIndex(), 0);
    QVERIFY(test.PortMemo()->hasFocus());

    prompt_->answers = {Answer::Yes};
    QVERIFY(RunCommand(main, "acDeviceClear"));
    QCOMPARE(main.statusBar()->currentMessage(), U(kClearDoneStatus));

    IntervalDialog& dialog = main.Device().IntervalChoice();
    QTimer::singleShot(0, &dialog, [&dialog] {
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(RunCommand(main, "acIBD"));
    QCOMPARE(main.statusBar()->currentMessage(), U(kIntervalDoneStatus));
  }

  // The questions before a download spoke of the device's W x H field while the
  // grid still showed the user's own selection; keys beyond the field were left
  // out without a word.
  void DownloadQuestionsSeeTheFieldAndCountTheKeysLeftOut() {
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    Put(window->Document(), 10, 3, std::string(1, '\x1C'));
    Put(window->Document(), 9, 9, std::string(1, '\x1C'));
    window->Grid().Select(1, 1, 1, 1);
    prompt_->answers = {Answer::No};
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(prompt_->Texts(), std::vector<std::string>{KeysOutsideQuestion(2, 8, 8)});
    QCOMPARE(window->Grid().Selection(), (TRect{1, 1, 8, 8}));
    QCOMPARE(keyboard_->BlocksAccepted(), 0);

    prompt_->answers = {Answer::Yes};
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(keyboard_->BlocksAccepted() > 0);
  }

  // The upload worker wrote into the document the grid was painting (a data
  // race; a new empty layout could crash). The grid now sees nothing of the
  // upload until it has ended, then all of it in one undoable step.
  void UploadIntoANewLayoutWhileTheGridRepaints() {
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    TfmGrid* target = main.NewLayout();
    QTimer painter;
    connect(&painter, &QTimer::timeout, this, [target] { target->Grid().viewport()->repaint(); });
    painter.start(0);
    bool shownEarly = false;
    int steps = 0;
    connect(main.Device().Progress().Bar(), &QProgressBar::valueChanged, this, [&](int) {
      ++steps;
      target->Grid().viewport()->repaint();
      shownEarly |= target->Document().GetKey(1, 1) != nullptr;
    });
    QVERIFY(RunCommand(main, "acUpload"));
    painter.stop();
    QVERIFY(steps > 2);
    QVERIFY(!shownEarly);
    QVERIFY(target->Document().GetKey(8, 8));
    QVERIFY(target->Document().Modified);
    QCOMPARE(main.Action("acUndo")->text(), QString("&Отменить чтение данных из устройства"));
  }

  // Cancel reaches every job at its next block: nothing is written or read
  // into a layout, nothing but the jobs' own questions is told, and no window
  // of an outcome opens.
  void EveryJobStopsAtItsNextBlockWhenCancelled() {
    settings_.Set(Setting::ImageDevice, 0);
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    const std::vector<uint8_t> memory = keyboard_->Memory();
    const uint8_t interval = keyboard_->IntervalCode();
    main.statusBar()->clearMessage();
    TfmGrid* empty = main.NewLayout();
    TfmProgress& progress = main.Device().Progress();
    JobRunner& jobs = main.Device().Jobs();
    connect(&jobs, &JobRunner::RunningChanged, this, [&jobs](bool running) {
      if (running) jobs.Cancel();
    });
    // A chooser or file dialog opened by mistake is closed rather than waited for.
    QTimer guard;
    connect(&guard, &QTimer::timeout, this, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    guard.start(200);
    prompt_->shown.clear();
    prompt_->answersByText = {{kCancelDownloadQuestion, Answer::No}, {kClearQuestion, Answer::Yes}};
    for (const char* command : {"acDownLoad", "acUpload", "acDeviceClear", "acInfo", "acIBD", "acCompare", "acImage"}) {
      if (QByteArray(command) == "acIBD") {
        IntervalDialog& dialog = main.Device().IntervalChoice();
        QTimer::singleShot(0, &dialog, [&dialog] {
          dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
      }
      QVERIFY2(RunCommand(main, command), command);
      QVERIFY2(keyboard_->Memory() == memory, command);
      QVERIFY2(!progress.isVisible(), command);
      QVERIFY2(!empty->Document().GetKey(1, 1), command);
    }
    QCOMPARE(keyboard_->IntervalCode(), interval);
    // The clear's own question is not asked once its job was told to stop.
    QCOMPARE(prompt_->Texts(), std::vector<std::string>{kCancelDownloadQuestion});
    QVERIFY(!empty->Document().GetKey(1, 1));
    QVERIFY(!empty->Document().History.CanUndo());
    QVERIFY(!empty->Document().Busy);
    QVERIFY(!main.Device().Info().isVisible());
    QVERIFY(!main.Device().CompareWindow().isVisible());
    QCOMPARE(dialogs_->calls, 0);
    QVERIFY(main.statusBar()->currentMessage().isEmpty());
    QVERIFY(main.Action("acDownLoad")->isEnabled());
  }

  // While a job runs its progress window is modal for the whole application and
  // has the focus: clicks and keys reach no other window, so the document, the
  // settings and the lines cannot change under a download or an upload; device
  // commands wait; Escape reaches the cancel button.
  void NothingTheJobDependsOnChangesWhileItRuns() {
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    TfmProgress& progress = main.Device().Progress();
    QToolButton* parameters = nullptr;
    for (auto* button : main.findChildren<QToolButton*>())
      if (button->defaultAction() == main.Action("acParameters") && button->isVisible()) parameters = button;
    QVERIFY(parameters);
    int checked = 0;
    const std::function<void()> tryToEdit = [&] {
      ++checked;
      QCOMPARE(QApplication::activeModalWidget(), &progress);
      QCOMPARE(progress.focusWidget(), progress.CancelButton());
      for (const CommandRow& row : Commands())
        if (row.Place != CommandPlace::Layout) QVERIFY2(!main.Action(row.Name)->isEnabled(), row.Name);
      // A click into the grid, Delete, a click on the settings' button and a
      // click into a code-sequence line go nowhere.
      TVL2Grid& grid = window->Grid();
      QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(3, 3).center());
      QTest::keyClick(&grid, Qt::Key_Delete);
      QTest::mouseClick(parameters, Qt::LeftButton);
      QVERIFY(!main.KeyInput().isEnabled());
      QVERIFY(!main.CardInput().isEnabled());
      QCOMPARE(QApplication::activeModalWidget(), &progress);
      QCOMPARE(grid.Selection(), (TRect{1, 1, 8, 8}));
      QVERIFY(window->Document().GetKey(1, 1));
      main.Device().Upload(*window);  // ignored, not queued
    };
    window->Grid().Select(1, 1, 8, 8);
    WhilePaused(kDownloadMidway, tryToEdit);
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(checked, 1);
    QCOMPARE(Memory(Expected(*window).size()), Expected(*window));

    WhilePaused(kUploadMidway, tryToEdit);
    QVERIFY(RunCommand(main, "acUpload"));
    QCOMPARE(checked, 2);
    QVERIFY(!window->Document().History.CanUndo());  // the same content read back: no step
    QVERIFY(main.Action("acDownLoad")->isEnabled());
    QVERIFY(main.KeyInput().isEnabled());
    QVERIFY(prompt_->Texts().empty());

    // Escape in the focused progress window is its cancel.
    prompt_->answersByText = {{kCancelDownloadQuestion, Answer::No}};
    WhilePaused(kDownloadMidway, [&progress] { QTest::keyClick(&progress, Qt::Key_Escape); });
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(prompt_->Texts(), std::vector<std::string>{kCancelDownloadQuestion});
    QCOMPARE(StoredSize(), 0);
  }

  // The settings are applied one way from Parameters and from the layout
  // window's Properties: the port and the autosave interval take effect, and
  // the open port (with what the keyboard holds) is kept unless another was chosen.
  void ParametersAndPropertiesApplyTheSameWay() {
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    const int stored = StoredSize();
    TfmParameters& dialog = main.Parameters();
    WhenShown([&dialog] { dialog.accept(); });
    main.Action("acParameters")->trigger();
    QVERIFY(main.Device().Device(true));
    QCOMPARE(StoredSize(), stored);  // the same keyboard, not a fresh one

    settings_.Set(Setting::IsAutosave, 1);
    settings_.Set(Setting::AutosaveValue, 7);
    WhenShown([&dialog] {
      dialog.findChild<QComboBox*>(QStringLiteral("cbPort"))->setCurrentIndex(0);  // no port
      dialog.accept();
    });
    main.ActiveLayout()->findChild<QAction*>(QStringLiteral("acProperties"))->trigger();
    QCOMPARE(QString::fromStdString(StoredPortChoice(backend_)), QStringLiteral("none"));
    QVERIFY(main.AutosaveTimer().isActive());
    QCOMPARE(main.AutosaveTimer().interval(), 7 * 60000);
  }

  // A port that goes away in the middle of a job ends it with the procedure's
  // own error; the program goes on, and the next job works once it is back.
  void PortVanishingMidJobEndsItWithItsError() {
    TfmMain& main = StartWithKeyboard();
    FillLayout(main.ActiveLayout()->Document());
    WhilePaused(kDownloadMidway, [this] { port_->gone = true; });
    QVERIFY(RunCommand(main, "acDownLoad"));
    QCOMPARE(prompt_->Messages(), std::vector<std::string>{kWriteErrorNormal});
    QVERIFY(!main.Device().Progress().isVisible());

    port_->gone = false;
    prompt_->shown.clear();
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(prompt_->Texts().empty());
    TfmGrid* target = main.NewLayout();
    WhilePaused(kUploadMidway, [this] { port_->gone = true; });
    QVERIFY(RunCommand(main, "acUpload"));
    QCOMPARE(prompt_->Messages(), std::vector<std::string>{kReadError});
    QVERIFY(!target->Document().GetKey(1, 1));
    QVERIFY(!target->Document().History.CanUndo());
    QVERIFY(main.Action("acDownLoad")->isEnabled());
  }

  // A port attached for a download was given back only from the job's finish,
  // which quitting drops: the till was left with a keyboard that did not type.
  void QuittingDuringAnAttachedDownloadGivesThePortBack() {
    SKIP_UNDER_THREAD_SANITIZER();
    FakePortHelper helper;
    backend_.WriteString("", kPortSettingName, helper.node.toStdString());
    SetAttachPortForDownload(backend_, true);
    TfmMain& main = Start();
    UseKeyboard(main, true, false, kDownloadMidway);  // opened once the port is attached
    FillLayout(main.ActiveLayout()->Document());
    bool quit = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      if (!port_ || !port_->Paused()) return;
      poll.stop();
      port_->Resume();
      main_.reset();  // quitting, the job in the middle of a block
      quit = true;
    });
    poll.start(1);
    main.Action("acDownLoad")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(quit, 20000);
    QCOMPARE(helper.Calls(), QByteArray("attach\nrelease\n"));
    QVERIFY(!QFile::exists(helper.node));
  }

  // Quitting while the port was being given back after a download killed the
  // helper and left the port attached.
  void QuittingWhileThePortIsGivenBackStillGivesItBack() {
    SKIP_UNDER_THREAD_SANITIZER();
    FakePortHelper helper(1);
    backend_.WriteString("", kPortSettingName, helper.node.toStdString());
    SetAttachPortForDownload(backend_, true);
    TfmMain& main = Start();
    UseKeyboard(main, true, false);
    FillLayout(main.ActiveLayout()->Document());
    bool quit = false;
    connect(&main.Device().Jobs(), &JobRunner::RunningChanged, this, [&](bool running) {
      // Quit once the give-back runs.
      if (running && main.Device().Progress().windowTitle() == U("Возврат порта клавиатуре"))
        QTimer::singleShot(50, this, [&] {
          main_.reset();
          quit = true;
        });
    });
    main.Action("acDownLoad")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(quit, 20000);
    QVERIFY(helper.Calls().endsWith("release\n"));
    QVERIFY(!QFile::exists(helper.node));
  }

  void CompareListsTheDifferencesAndSelectsTheKey() {
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(RunCommand(main, "acCompare"));
    TfmCompare& compare = main.Device().CompareWindow();
    QVERIFY(compare.isVisible());
    QCOMPARE(compare.List()->topLevelItemCount(), 0);
    QCOMPARE(compare.Summary()->text(), U("Раскладки совпадают."));

    Put(window->Document(), 3, 5, std::string(1, '\x32'));
    window->Grid().Select(1, 1, 1, 1);
    QVERIFY(RunCommand(main, "acCompare"));
    QCOMPARE(compare.List()->topLevelItemCount(), 1);
    QTreeWidgetItem* item = compare.List()->topLevelItem(0);
    QVERIFY(item->text(0).startsWith(U("столбец 3, строка 5")));
    QVERIFY(!item->text(1).isEmpty());
    QCOMPARE(item->text(2), U("нажатие"));
    emit compare.List()->itemDoubleClicked(item, 0);
    QCOMPARE(window->Grid().Selection(), (TRect{3, 5, 3, 5}));
    QVERIFY(prompt_->Texts().empty());
  }

  // Compare read the device's block at the selected key whatever the download
  // wrote: a download of a selected fragment compared as different, and a stray
  // click elsewhere reported differences with no word of where it looked.
  void CompareTakesTheDownloadsFieldAndNamesIt() {
    settings_.Set(Setting::IsDownloadFromSelection, 1);
    TfmMain& main = StartWithKeyboard();
    TfmGrid* window = main.ActiveLayout();
    FillLayout(window->Document());
    window->Grid().Select(1, 1, 4, 4);
    QVERIFY(RunCommand(main, "acDownLoad"));
    QVERIFY(RunCommand(main, "acCompare"));
    TfmCompare& compare = main.Device().CompareWindow();
    QCOMPARE(compare.Summary()->text(), U("Раскладки совпадают."));

    main.Settings().Set(Setting::IsDownloadFromSelection, 0);
    window->Grid().Select(2, 3, 2, 3);
    QVERIFY(RunCommand(main, "acCompare"));
    QVERIFY(compare.Summary()->text().startsWith(U("Поле устройства 8×8 с клавиши (2,3). Различий: ")));
  }
};

int RunDeviceWindowsTest(int argc, char** argv) {
  DeviceWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "DeviceWindowsTest.moc"
