#include "app/device/DeviceCommands.h"

#include <QDesktopServices>
#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QPrinter>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <ctime>
#include <optional>

#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/device/CompareDialog.h"
#include "app/device/DeviceVerdicts.h"
#include "app/device/PortHelper.h"
#include "app/device/SimCaption.h"
#include "app/device/IntervalDialog.h"
#include "app/device/InfoDialog.h"
#include "app/device/TestWindow.h"
#include "app/common/CoreTexts.h"
#include "app/common/FileDialogs.h"
#include "app/common/WaitCursor.h"
#include "app/editor/GridWindow.h"
#include "app/editor/VL2Grid.h"
#include "core/device/Clear.h"
#include "core/device/DeviceInfoQuery.h"
#include "core/device/Download.h"
#include "core/device/Interval.h"
#include "core/device/KeyboardLayout.h"
#include "core/device/Upload.h"
#include "core/device/Detect.h"
#include "core/device/DeviceField.h"
#include "core/document/BusyScope.h"
#include "core/device/LayoutBackups.h"
#include "core/document/DocumentCopy.h"
#include "core/formats/KeyImageDevice.h"
#include "render/KeyImagePainter.h"
#include "ports/PortSelect.h"

namespace vl {
namespace {

// The prompt and the progress window show these through CoreText, so they are
// translated beside the core's own texts.
constexpr const char* kDeviceIdError =
    QT_TRANSLATE_NOOP("core", "Ошибка преобразования идентификатора устройства.");
constexpr const char* kOfferSimulator =
    QT_TRANSLATE_NOOP("core", "Порт клавиатуры не найден. Использовать имитатор клавиатуры?");
constexpr const char* kEditorNotStarted =
    QT_TRANSLATE_NOOP("core",
                      "Изображение клавиш сохранено в файл %1, но программа для его просмотра не запущена: с этим "
                      "типом файлов не связана ни одна программа.");
constexpr const char* kBackupFailed =
    QT_TRANSLATE_NOOP("core",
                      "Копия раскладки устройства не сохранена, поэтому загрузка не начата. Копию можно отключить в "
                      "параметрах (страница \"Устройство\").");
// The progress window's captions of the jobs that have none of their own.
// The memory stays in the application meanwhile: it is written again after the
// next job and when the device closes.
constexpr const char* kMemoryNotKept =
    QT_TRANSLATE_NOOP("core",
                      "Память имитатора клавиатуры не сохранена в файл \"%1\". Программа попробует сохранить её "
                      "снова после следующей операции с устройством и при выходе.");
constexpr const char* kCaptionBackup = QT_TRANSLATE_NOOP("core", "Копия раскладки устройства");
constexpr const char* kCaptionClear = QT_TRANSLATE_NOOP("core", "Очистка памяти");
constexpr const char* kCaptionInterval = QT_TRANSLATE_NOOP("core", "Интервал");
constexpr const char* kCaptionIdentify = QT_TRANSLATE_NOOP("core", "Определение устройства");
constexpr const char* kCaptionCompare = QT_TRANSLATE_NOOP("core", "Сравнение с устройством");
constexpr const char* kCaptionAttach = QT_TRANSLATE_NOOP("core", "Подключение порта клавиатуры");
constexpr const char* kCaptionRelease = QT_TRANSLATE_NOOP("core", "Возврат порта клавиатуре");

// What the progress window names as the layout of a job.
QString LayoutName(TfmGrid& window) {
  const std::string& fileName = window.Document().FileName;
  return fileName.empty() ? window.Caption() : QString::fromStdString(fileName);
}

// A layout window's Busy flag (no autosave) held for as long as its job lives;
// given back only to a window that still exists.
class WindowBusy {
 public:
  explicit WindowBusy(TfmGrid& window) : window_(&window), was_(window.Document().Busy) {
    window.Document().Busy = true;
  }
  ~WindowBusy() {
    if (window_) window_->Document().Busy = was_;
  }
  WindowBusy(const WindowBusy&) = delete;
  WindowBusy& operator=(const WindowBusy&) = delete;
  TfmGrid* Window() const { return window_; }

 private:
  QPointer<TfmGrid> window_;
  bool was_;
};

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm localTime{};
  localtime_r(&now, &localTime);
  return localTime;
}

}  // namespace

// The keyboard's layout read before a download, kept until the user agreed to it.
struct DeviceCommands::KeptLayout {
  TVL2Document layout;
  uint16_t serial = 0;
  bool read = false;
  bool stopped = false;
  std::string folder;  // where backups go
  std::tm time{};      // when it was read
};

// The keyboard port handed to serio_raw for one download, given back after it.
struct DeviceCommands::PortLease {
  bool givenBack = false;
};

DeviceCommands::DeviceCommands(Host host, std::function<std::unique_ptr<AppDevice>()> openDevice)
    : QObject(host.window), host_(std::move(host)), openDevice_(std::move(openDevice)) {
  runner_ = new JobRunner(host_.prompt, this);
  progress_ = new TfmProgress(*runner_, host_.settings, host_.window);
  connect(runner_, &JobRunner::RunningChanged, this, [this] { host_.commandsChanged(); });
  info_ = new TfmInfo(host_.window);
  ibd_ = new IntervalDialog(host_.window);
  compare_ = new TfmCompare(host_.window);
  connect(compare_, &TfmCompare::KeyChosen, this, [this](int column, int row) {
    if (!compared_) return;
    compared_->Grid().Select(column, row, column, row);
    compared_->Grid().GoToCell(column, row);
  });
  // A keyboard that cannot be opened is tested through the desktop's key events.
  test_ = new TfmTest(host_.backend, [this] { return ByteSource(); }, host_.window);
  captions_ = new SimCaption([this] { return SimulatedChosen(); }, this);
  for (QWidget* window :
       std::initializer_list<QWidget*>{progress_, info_, ibd_, compare_, test_, &progress_->Detect()})
    captions_->Watch(window);
}

DeviceCommands::~DeviceCommands() {
  // The host is going: the job's end is not told to it.
  disconnect(runner_, nullptr, this, nullptr);
  // The worker ends before the port it uses; the byte readers lose the port with it.
  runner_->StopAndWait();
  CloseDevice();
  // Its windows call back into it (the test window asks for the port).
  for (QWidget* window : std::initializer_list<QWidget*>{test_, compare_, ibd_, info_, progress_}) delete window;
}

AppDevice* DeviceCommands::Device(bool quiet, std::function<void()> retry) {
  if (device_) return device_.get();
  // A quiet look (a line's or the test window's byte source) opens no null port
  // while nothing is chosen: that would keep the simulated keyboard from being offered.
  if (quiet && SimulatorMayBeOffered()) return nullptr;
  if (!quiet) OfferSimulator();
  try {
    device_ = openDevice_();
  } catch (const std::exception& error) {
    if (quiet) return nullptr;
    // A serio_raw port that is not there yet: the keyboard port may be handed to it.
    const std::string path = PortPathToAttach(host_.portChoice());
    if (!path.empty() && !PortPresent(path) && !JobRunning() && AskToAttachPort(path, host_.prompt)) {
      AttachThen(path, std::move(retry));
      return nullptr;
    }
    host_.prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
  }
  return device_.get();
}

AppDevice* DeviceCommands::IdleDeviceFor(TfmGrid& window, void (DeviceCommands::*command)(TfmGrid&)) {
  const QPointer<TfmGrid> again(&window);
  return IdleDevice([this, again, command] {
    if (again) (this->*command)(*again);
  });
}

AppDevice* DeviceCommands::IdleDevice(std::function<void()> retry) {
  return JobRunning() ? nullptr : Device(false, std::move(retry));
}

void DeviceCommands::AttachThen(const std::string& path, std::function<void()> next,
                                std::shared_ptr<PortLease> lease) {
  auto failure = std::make_shared<std::string>();
  auto stopped = std::make_shared<bool>(false);
  JobRunner::Job job;
  job.caption = kCaptionAttach;
  job.work = [path, failure, stopped](JobRunner::Context& context) {
    *failure = AttachPort(path, context.gate);
    *stopped = context.gate.StopRequested();
  };
  job.end = [this, lease](bool forGood) {
    if (forGood) GiveBackPortNow(lease);
  };
  job.finished = [this, path, failure, stopped, next, lease] {
    if (!failure->empty()) host_.prompt.Message(*failure, kCaptionError, MessageIcon::Error);
    // A cancelled attach goes no further.
    if (failure->empty() && !*stopped && PortPresent(path) && next)
      next();
    else
      GiveBackPort(lease);
  };
  runner_->Start(std::move(job));
}

PortHandle DeviceCommands::ByteSource() {
  AppDevice* device = Device(true);
  return device ? device->ByteSource() : PortHandle();
}

void DeviceCommands::ForgetDevice() {
  runner_->StopAndWait();
  CloseDevice();
  emit PortChanged();
}

void DeviceCommands::CloseDevice() {
  // The window works on the device's keyboard, so it goes first.
  delete simulator_;
  device_.reset();
}

bool DeviceCommands::JobRunning() const { return runner_->Running(); }

bool DeviceCommands::MayQuit() {
  if (!runner_->Running()) return true;
  if (runner_->Asking()) return false;
  if (host_.prompt.Ask(kQuitDuringJob, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) !=
      Answer::Yes)
    return false;
  runner_->StopAndWait();
  return true;
}

void DeviceCommands::Launch(AppDevice& device, JobRunner::Job job, std::shared_ptr<PortLease> lease) {
  device.HoldForJob(true);
  // Memory that could not be written back is told after the job's outcome, which
  // it does not change; a job stopped for good has no outcome to follow.
  auto notKept = std::make_shared<QString>();
  job.end = [this, &device, lease, notKept](bool forGood) {
    device.HoldForJob(false);
    if (!device.KeepState()) *notKept = device.StateFileName();
    if (forGood) GiveBackPortNow(lease);
  };
  job.finished = [this, notKept, finished = std::move(job.finished)] {
    if (finished) finished();
    if (!notKept->isEmpty())
      host_.prompt.Message(CoreText(kMemoryNotKept).arg(QDir::toNativeSeparators(*notKept)).toStdString(),
                           kCaptionError, MessageIcon::Error);
  };
  runner_->Start(std::move(job));
}

void DeviceCommands::ShowTest() { test_->ShowTest(); }

bool DeviceCommands::SimulatedChosen() const {
  try {
    return ParsePortChoice(host_.portChoice()).kind == PortChoice::Kind::Sim;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

bool DeviceCommands::SimulatorMayBeOffered() const {
  if (simulatorOffered_ || !host_.mayOfferSimulator()) return false;
  const std::string chosen = host_.portChoice();
  return chosen.empty() && ParsePortChoice(chosen).kind == PortChoice::Kind::None;
}

void DeviceCommands::OfferSimulator() {
  if (!SimulatorMayBeOffered()) return;
  simulatorOffered_ = true;
  if (host_.prompt.Ask(kOfferSimulator, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) !=
      Answer::Yes)
    return;
  if (host_.deviceList.Exec() != QDialog::Accepted) return;
  const auto type = ParseDeviceSectionName(host_.deviceList.SelectedSection().toStdString());
  if (!type) {
    host_.prompt.Message(kDeviceIdError, kCaptionError, MessageIcon::Error);
    return;
  }
  host_.choosePort("sim:" + DeviceSectionName(*type));
  emit PortChanged();
}

void DeviceCommands::ShowSimulator() {
  if (!simulator_) {
    AppDevice* device = SimulatedChosen() ? Device() : nullptr;
    if (!device || !device->Simulated()) return;
    SimulatedKeyboard& keyboard = *device->Simulated();
    ImageGeometry geometry;
    try {
      const DeviceCatalogue catalogue = FolderDeviceCatalogue(host_.deviceList.DataFolder().toStdString()).Catalogue();
      if (catalogue.IsImage(keyboard.DeviceType())) geometry = catalogue.Geometry(keyboard.DeviceType());
    } catch (const std::exception&) {
      // Without the catalogue's geometry the keys are drawn as a plain grid.
    }
    simulator_ = new SimKeyboardWindow(keyboard, geometry, host_.settings, host_.window);
    simulator_->setAttribute(Qt::WA_DeleteOnClose);
  }
  simulator_->show();
  simulator_->raise();
}

void DeviceCommands::Download(TfmGrid& window) {
  if (JobRunning()) return;
  // Where the user allows it, the keyboard port goes to serio_raw for the download
  // only, so the keyboard types again when it is over.
  const std::string attachPath = PortPathToAttach(host_.portChoice());
  const QPointer<TfmGrid> target(&window);
  if (!attachPath.empty() && !device_ && AttachPortForDownload(host_.backend) && !PortPresent(attachPath)) {
    auto lease = std::make_shared<PortLease>();
    AttachThen(
        attachPath,
        [this, target, lease] {
          if (target)
            DownloadOn(*target, lease);
          else
            GiveBackPort(lease);
        },
        lease);
    return;
  }
  DownloadOn(window, nullptr);
}

void DeviceCommands::DownloadOn(TfmGrid& window, std::shared_ptr<PortLease> lease) {
  const auto giveBack = qScopeGuard([this, lease] { GiveBackPort(lease); });
  const QPointer<TfmGrid> target(&window);
  AppDevice* device = Device(false, [this, target] {
    if (target) Download(*target);
  });
  if (!device) return;
  if (host_.settings.IsOn(Setting::IsSaveBeforeDownload) && window.Document().Modified && !host_.save(window))
    return;
  if (BackupBeforeDownload(host_.backend))
    ReadBackupThenDownload(window, *device, lease);
  else
    StartDownload(window, *device, nullptr, lease);
}

void DeviceCommands::ReadBackupThenDownload(TfmGrid& window, AppDevice& device, std::shared_ptr<PortLease> lease) {
  auto backup = std::make_shared<KeptLayout>();
  backup->folder =
      (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups")).toStdString();
  const SettingsStore settings = host_.settings;
  const QPointer<TfmGrid> target(&window);
  JobRunner::Job job;
  job.caption = kCaptionBackup;
  job.layout = LayoutName(window);
  job.work = [&device, settings, backup](JobRunner::Context& context) {
    const auto prepared = ReadKeyboardLayout(device.Access(), settings, device.Catalogue(), backup->layout,
                                             context.reporter, context.prompt, &context.gate);
    backup->stopped = context.gate.StopRequested();
    if (!prepared) return;
    backup->serial = prepared->identity.SerialNumber;
    backup->time = LocalTimeNow();
    backup->read = true;
  };
  job.finished = [this, target, &device, backup, lease] {
    if (!backup->read) {
      // A stopped read stops its download without a word.
      if (!backup->stopped) host_.prompt.Message(kBackupFailed, kCaptionError, MessageIcon::Error);
      GiveBackPort(lease);
      return;
    }
    if (target)
      StartDownload(*target, device, backup, lease);
    else
      GiveBackPort(lease);
  };
  Launch(device, std::move(job), lease);
}

void DeviceCommands::StartDownload(TfmGrid& window, AppDevice& device, std::shared_ptr<KeptLayout> backup,
                                   std::shared_ptr<PortLease> lease) {
  // The worker writes from a copy taken now; the window stays free to change.
  std::shared_ptr<TVL2Document> layout = CopyForDevice(window.Document());
  auto busy = std::make_shared<WindowBusy>(window);
  auto result = std::make_shared<OperationResult>(OperationResult::Failed);
  const SettingsStore settings = host_.settings;
  const TRect selection = window.Grid().Selection();
  const std::string layoutFile = window.Document().FileName;
  const QPointer<TfmGrid> target(&window);
  JobRunner::Job job;
  job.caption = kCaptionDownload;
  job.layout = LayoutName(window);
  job.stopQuestion = kCancelDownloadQuestion;
  job.work = [&device, layout, result, settings, selection, layoutFile, target, backup](JobRunner::Context& context) {
    const auto onUi = [&context, &target](const std::function<void(TfmGrid&)>& call) {
      context.ui.Run([&] {
        if (target) call(*target);
      });
    };
    OperationRequest request{
        OperationKind::Download,
        *layout,
        selection,
        false,
        [&onUi](const std::vector<CheckRemark>& remarks) {
          onUi([&](TfmGrid& shown) { shown.ShowCheckRemarks(remarks); });
        },
        {},
        [&onUi](const TRect& fragment) {
          onUi([&](TfmGrid& shown) {
            shown.Grid().Select(fragment.Left, fragment.Top, fragment.Right, fragment.Bottom);
          });
        }};
    if (backup) {
      // The backup is written only once the user agreed to the download.
      request.agreed = [&] {
        if (SaveBackup(backup->layout, backup->serial, backup->folder, backup->time, layoutFile, settings,
                       context.reporter, context.prompt))
          return true;
        context.prompt.Message(kBackupFailed, kCaptionError, MessageIcon::Error);
        return false;
      };
    }
    *result = RunDeviceOperation(device.Access(), settings, device.Catalogue(), request, context.reporter,
                                 context.prompt, context.gate);
  };
  job.finished = [this, busy, result, lease] {
    if (*result == OperationResult::Done) {
      host_.tell(CoreText(kDownloadDoneStatus));
      if (host_.settings.IsOn(Setting::IsTestAfterDownload)) test_->ShowForKeys();
    }
    progress_->PlaySound();
    if (busy->Window()) busy->Window()->Grid().viewport()->update();
    GiveBackPort(lease);
  };
  Launch(device, std::move(job), lease);
}

void DeviceCommands::GiveBackPort(const std::shared_ptr<PortLease>& lease) {
  // A download under way gives it back at its end.
  if (!lease || lease->givenBack || JobRunning()) return;
  lease->givenBack = true;
  // The port is closed before it is given back.
  ForgetDevice();
  auto failure = std::make_shared<std::string>();
  auto released = std::make_shared<bool>(false);
  JobRunner::Job job;
  job.caption = kCaptionRelease;
  job.work = [failure, released](JobRunner::Context& context) {
    *failure = ReleasePort(context.gate);
    *released = !context.gate.StopRequested();
  };
  // Stopped (the program closing) before the helper was done: given back all the same.
  job.end = [released](bool forGood) {
    if (!forGood || *released) return;
    const CancelGate gate;
    ReleasePort(gate);
  };
  job.finished = [this, failure] {
    if (!failure->empty()) host_.prompt.Message(*failure, kCaptionError, MessageIcon::Error);
  };
  runner_->Start(std::move(job));
}

void DeviceCommands::GiveBackPortNow(const std::shared_ptr<PortLease>& lease) {
  if (!lease || lease->givenBack) return;
  lease->givenBack = true;
  CloseDevice();
  // Nobody is left to be told of a failure: the program is closing or the port replaced.
  const CancelGate gate;
  ReleasePort(gate);
}

template <typename Result>
void DeviceCommands::RunJob(AppDevice& device, const char* caption, const QString& layout,
                            std::function<Result(AppDevice&, const SettingsStore&, JobRunner::Context&)> work,
                            std::function<void(const Result&)> finished) {
  auto result = std::make_shared<Result>();
  JobRunner::Job job;
  job.caption = caption;
  job.layout = layout;
  job.work = [device = &device, settings = host_.settings, work = std::move(work), result](JobRunner::Context& context) {
    *result = work(*device, settings, context);
  };
  job.finished = [finished = std::move(finished), result] { finished(*result); };
  Launch(device, std::move(job));
}

namespace {

// What an upload's worker hands its window.
struct UploadOutcome {
  OperationResult result = OperationResult::Failed;
  DeviceRead read;
  std::optional<TRect> fragment;  // settled before the read
};

// What a comparison's worker hands its window.
struct CompareOutcome {
  std::optional<KeyboardComparison> comparison;
  TRect field;
};

}  // namespace

void DeviceCommands::Upload(TfmGrid& window) {
  AppDevice* device = IdleDeviceFor(window, &DeviceCommands::Upload);
  if (!device) return;
  // The worker collects what it reads; the window's document takes just those
  // cells in one step at the end.
  auto busy = std::make_shared<WindowBusy>(window);
  const TRect selection = window.Grid().Selection();
  RunJob<UploadOutcome>(
      *device, kCaptionUpload, LayoutName(window),
      [selection](AppDevice& keyboard, const SettingsStore& settings, JobRunner::Context& context) {
        UploadOutcome outcome;
        TVL2Document unread;  // an upload into uploadInto leaves the request's document alone
        OperationRequest request{OperationKind::Upload, unread, selection, false, {}, {},
                                 [&outcome](const TRect& settled) { outcome.fragment = settled; }};
        request.uploadInto = &outcome.read;
        outcome.result = RunDeviceOperation(keyboard.Access(), settings, keyboard.Catalogue(), request,
                                            context.reporter, context.prompt, context.gate);
        return outcome;
      },
      [busy](const UploadOutcome& outcome) {
        TfmGrid* target = busy->Window();
        if (!target) return;
        if (outcome.result == OperationResult::Done) {
          const WaitCursor wait;  // recording the step of a large layout takes a moment
          ApplyDeviceRead(target->Document(), outcome.read);
        }
        // The block the upload filled is selected, as it was settled before the read.
        if (const auto& block = outcome.fragment)
          target->Grid().Select(block->Left, block->Top, block->Right, block->Bottom);
        target->Grid().viewport()->update();
      });
}

void DeviceCommands::Clear() {
  AppDevice* device = IdleDevice([this] { Clear(); });
  if (!device) return;
  RunJob<bool>(
      *device, kCaptionClear, {},
      [](AppDevice& keyboard, const SettingsStore& settings, JobRunner::Context& context) {
        return RunClear(keyboard.Access(), settings, keyboard.Catalogue(), context.reporter, context.prompt,
                        &context.gate);
      },
      [this](const bool& cleared) {
        if (cleared) host_.tell(CoreText(kClearDoneStatus));
      });
}

void DeviceCommands::Information() {
  AppDevice* device = IdleDevice([this] { Information(); });
  if (!device) return;
  RunJob<std::optional<DeviceInfoTable>>(
      *device, kInfoCaption, {},
      [](AppDevice& keyboard, const SettingsStore& settings, JobRunner::Context& context) {
        return QueryDeviceInfo(keyboard.Access(), settings, keyboard.Catalogue(), context.reporter, context.prompt,
                               &context.gate);
      },
      [this](const std::optional<DeviceInfoTable>& rows) {
        if (!rows) return;
        info_->SetRows(*rows);
        info_->open();
      });
}

void DeviceCommands::Interval() {
  AppDevice* device = IdleDevice([this] { Interval(); });
  if (!device) return;
  const std::optional<int> item = ibd_->Choose();
  if (!item) return;
  RunJob<bool>(
      *device, kCaptionInterval, {},
      [item = *item](AppDevice& keyboard, const SettingsStore&, JobRunner::Context& context) {
        context.reporter.SetStatus(kStatusInterval);
        return context.gate.Pass() && RunInterval(keyboard.Access(), item, context.prompt);
      },
      [this](const bool& sent) {
        if (sent) host_.tell(CoreText(kIntervalDoneStatus));
      });
}

void DeviceCommands::Compare(TfmGrid& window) {
  AppDevice* device = IdleDeviceFor(window, &DeviceCommands::Compare);
  if (!device) return;
  std::shared_ptr<TVL2Document> layout = CopyForDevice(window.Document());
  const TRect selection = window.Grid().Selection();
  const QPointer<TfmGrid> target(&window);
  RunJob<CompareOutcome>(
      *device, kCaptionCompare, LayoutName(window),
      [layout, selection](AppDevice& keyboard, const SettingsStore& settings, JobRunner::Context& context) {
        CompareOutcome outcome;
        TVL2Document held;
        // The field a download would write now, from the same key and by the same setting.
        const auto prepared = ReadKeyboardLayout(keyboard.Access(), settings, keyboard.Catalogue(), held,
                                                 context.reporter, context.prompt, &context.gate, selection,
                                                 settings.IsOn(Setting::IsDownloadFromSelection));
        if (!prepared) return outcome;
        outcome.field = prepared->selection;
        outcome.comparison = CompareWithKeyboard(*layout, held, settings, *prepared, true);
        // A layout the download would refuse is told as the download tells it.
        if (!outcome.comparison) context.prompt.Message(kImageTooLarge, kCaptionError, MessageIcon::Error);
        return outcome;
      },
      [this, target](const CompareOutcome& outcome) {
        if (!outcome.comparison || !target) return;
        compared_ = target;
        compare_->ShowComparison(target->Caption(), *outcome.comparison,
                                 QString::fromStdString(DeviceFieldNote(outcome.field, CoreTranslator())));
      });
}

void DeviceCommands::WithImageDeviceType(std::function<void(uint16_t)> next) {
  const auto choose = [this, next] {
    if (host_.deviceList.Exec() != QDialog::Accepted) return;
    const auto type = ParseDeviceSectionName(host_.deviceList.SelectedSection().toStdString());
    if (!type) {
      host_.prompt.Message(kDeviceIdError, kCaptionError, MessageIcon::Error);
      return;
    }
    next(*type);
  };
  if (host_.settings.Get(Setting::ImageDevice) != 0) {
    choose();
    return;
  }
  AppDevice* device = IdleDevice([this, next] { WithImageDeviceType(next); });
  if (!device) {
    // Not while the port is being attached: the type is asked for when it is there.
    if (!JobRunning()) choose();
    return;
  }
  auto identified = std::make_shared<std::optional<uint16_t>>();
  auto stopped = std::make_shared<bool>(false);
  const TransferMode mode = SettingsMode(host_.settings);
  JobRunner::Job job;
  job.caption = kCaptionIdentify;
  job.work = [device, identified, stopped, mode](JobRunner::Context& context) {
    context.reporter.SetStatus(kStatusDetect);
    if (!context.gate.Pass()) {
      *stopped = true;
      return;
    }
    Link link = OpenLink(device->Access(), mode);
    const auto identity = DetectDevice(link, context.reporter, context.prompt);
    StopCapture(link);
    if (identity) *identified = identity->DeviceType;
    *stopped = context.gate.StopRequested();
  };
  job.finished = [identified, stopped, next, choose] {
    if (*stopped) return;
    if (*identified)
      next(**identified);
    else
      choose();  // no keyboard answered: the user names its type
  };
  Launch(*device, std::move(job));
}

std::optional<KeyImageRequest> DeviceCommands::ImageRequest(
    TfmGrid& window, uint16_t type, int left, int top,
    const std::function<std::optional<KeyImageFormat>(const TRect& field)>& chooseFormat) {
  std::unique_ptr<FolderDeviceCatalogue> catalogue;
  try {
    catalogue = std::make_unique<FolderDeviceCatalogue>(host_.deviceList.DataFolder().toStdString());
  } catch (const std::exception& error) {
    host_.prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  const TVL2Document& document = window.Document();
  const KeyImageOptions options = KeyImageOptions::FromSettings(host_.settings);
  // The device's checks (and their messages) come before the field and the file.
  if (!DeviceImageRequest(catalogue->Catalogue(), type, document, left, top, KeyImageFormat::Metafile, options,
                          host_.prompt))
    return std::nullopt;
  const DeviceModel model = *catalogue->Model(type);
  const std::optional<KeyImageFormat> format = chooseFormat(DeviceBlock(TRect{left, top, left, top}, model.Width, model.Height));
  if (!format) return std::nullopt;
  return DeviceImageRequest(catalogue->Catalogue(), type, document, left, top, *format, options, host_.prompt);
}

void DeviceCommands::KeyImage(TfmGrid& window) {
  if (JobRunning()) return;
  const QPointer<TfmGrid> target(&window);
  WithImageDeviceType([this, target](uint16_t type) {
    // The writing reports in the status bar's first panel, which otherwise
    // tells whether the layout is saved.
    const auto restoreStatus = qScopeGuard([this] { host_.commandsChanged(); });
    if (!target) return;
    QString file;
    KeyImageFormat format = KeyImageFormat::Metafile;
    const TRect selection = target->Grid().Selection();
    const auto chooseFile = [&](const TRect& field) -> std::optional<KeyImageFormat> {
      target->Grid().Select(field.Left, field.Top, field.Right, field.Bottom);
      // A field away from the first key is named before anything is written.
      if (!DeviceFieldNote(field).empty() &&
          host_.prompt.Ask(WithDeviceFieldNote(field, Translated(CoreTranslator(), kKeyImageFieldQuestion),
                                               CoreTranslator()),
                           kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) != Answer::Yes)
        return std::nullopt;
      file = host_.dialogs.Choose(FileDialogKind::SaveKeyImage, host_.dialogFolder(), target->Caption());
      if (file.isEmpty()) return std::nullopt;
      // A name without a known extension gets the metafile, the dialog's first format.
      format = KeyImageFormatOf(file.toStdString()).value_or(KeyImageFormat::Metafile);
      return format;
    };
    const auto request = ImageRequest(*target, type, selection.Left, selection.Top, chooseFile);
    if (!request) return;
    const auto build = [&](IReporter& reporter) { return KeyImageBytes(format, *request, reporter); };
    if (!WriteKeyImage(file.toStdString(), build, host_.prompt, host_.status)) return;
    if (host_.settings.IsOn(Setting::ImageRun) && !host_.openFile(QUrl::fromLocalFile(file)))
      host_.prompt.Message(CoreText(kEditorNotStarted).arg(QDir::toNativeSeparators(file)).toStdString(),
                           kCaptionAttention, MessageIcon::Warning);
  });
}

void DeviceCommands::PrintKeyImage(TfmGrid& window) {
  if (JobRunning()) return;
  const QPointer<TfmGrid> target(&window);
  WithImageDeviceType([this, target](uint16_t type) {
    const auto restoreStatus = qScopeGuard([this] { host_.commandsChanged(); });
    if (!target) return;
    const auto pdf = [](const TRect&) { return std::optional(KeyImageFormat::Pdf); };
    // The whole layout (the device's field from the first key); the field at the
    // selected key is offered in the preview when it starts elsewhere.
    std::vector<KeyImageRequest> requests;
    const auto whole = ImageRequest(*target, type, 1, 1, pdf);
    if (!whole) return;
    requests.push_back(*whole);
    const TRect selection = target->Grid().Selection();
    if (selection.Left != 1 || selection.Top != 1) {
      if (const auto part = ImageRequest(*target, type, selection.Left, selection.Top, pdf))
        requests.push_back(*part);
    }
    size_t shown = 0;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(KeyImageWantsLandscape(*whole) ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(target->Caption());
    QPrintPreviewDialog preview(&printer, host_.window);
    preview.setObjectName(QStringLiteral("KeyImagePreview"));
    preview.setWindowTitle(tr("Печать рисунка клавиш"));
    if (requests.size() > 1) {
      auto* part = new QComboBox(&preview);
      part->setObjectName(QStringLiteral("PrintedPart"));
      part->setAccessibleName(tr("Печатать"));
      part->addItem(tr("Вся раскладка"));
      part->addItem(QString::fromStdString(DeviceFieldText(requests[1].Selection, CoreTranslator())));
      if (auto* bar = preview.findChild<QToolBar*>()) bar->addWidget(part);
      connect(part, &QComboBox::currentIndexChanged, &preview, [&preview, &shown](int index) {
        shown = static_cast<size_t>(index);
        if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) pages->updatePreview();
      });
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* printed) {
      // Painted at 100 %: the printer's page and margins decide only how keys go onto sheets.
      ReportScope scope(host_.status, "Создание рисунка");
      PaintKeyImagePages(*printed, requests[shown], host_.status);
    });
    preview.exec();
  });
}

}  // namespace vl
