#include "app/device/DeviceCommands.h"

#include <QDesktopServices>
#include <QPrintPreviewDialog>
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
#include "app/device/DetectingReporter.h"
#include "app/device/DeviceVerdicts.h"
#include "app/device/PortHelper.h"
#include "app/device/SimCaption.h"
#include "app/device/TfmDetect.h"
#include "app/device/TfmIBD.h"
#include "app/device/TfmInfo.h"
#include "app/device/TfmProgress.h"
#include "app/device/TfmTest.h"
#include "app/editor/FileDialogs.h"
#include "app/editor/GridWindow.h"
#include "app/editor/VL2Grid.h"
#include "app/editor/WaitCursor.h"
#include "core/device/Clear.h"
#include "core/device/Detect.h"
#include "core/document/BusyScope.h"
#include "core/device/LayoutBackups.h"
#include "core/document/Undo.h"
#include "core/formats/KeyImageDevice.h"
#include "render/KeyImagePainter.h"
#include "ports/PortSelect.h"

namespace vl {
namespace {

constexpr const char* kDeviceIdError = "Ошибка преобразования идентификатора устройства.";
constexpr const char* kOfferSimulator = "Порт клавиатуры не найден. Использовать имитатор клавиатуры?";
constexpr const char* kEditorNotStarted =
    "Изображение клавиш сохранено в файл %1, но программа для его просмотра не запущена: с этим типом файлов "
    "не связана ни одна программа.";
constexpr const char* kBackupFailed =
    "Копия раскладки устройства не сохранена, поэтому загрузка не начата. Копию можно отключить в параметрах "
    "(страница \"Устройство\").";

}  // namespace

DeviceCommands::DeviceCommands(Host host, std::function<std::unique_ptr<AppDevice>()> openDevice)
    : QObject(host.window), host_(std::move(host)), openDevice_(std::move(openDevice)) {
  progress_ = new TfmProgress(host_.settings, host_.prompt, host_.window);
  info_ = new TfmInfo(host_.window);
  ibd_ = new TfmIBD(host_.prompt, host_.window);
  detect_ = new TfmDetect(host_.window);
  // A keyboard that cannot be opened is tested through the desktop's key events.
  test_ = new TfmTest(host_.backend, [this]() -> Port* {
    AppDevice* device = Device(true);
    return device && device->DeliversBytes() ? &device->DevicePort() : nullptr;
  }, host_.window);
  captions_ = new SimCaption([this] { return SimulatedChosen(); }, this);
  for (QWidget* window : std::initializer_list<QWidget*>{progress_, info_, ibd_, detect_, test_, &progress_->Detect()})
    captions_->Watch(window);
}

DeviceCommands::~DeviceCommands() = default;

AppDevice* DeviceCommands::Device(bool quiet) {
  if (device_) return device_.get();
  if (!quiet) OfferSimulator();
  try {
    device_ = openDevice_();
  } catch (const std::exception& error) {
    if (quiet) return nullptr;
    // A serio_raw port that is not there yet: the keyboard port may be handed to it.
    const std::string path = PortPathToAttach(host_.portChoice());
    if (!path.empty() && OfferPortAttach(path, host_.prompt)) return Device(quiet);
    host_.prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
  }
  return device_.get();
}

void DeviceCommands::ForgetDevice() {
  // The window works on the device's keyboard, so it goes first.
  delete simulator_;
  device_.reset();
  emit PortChanged();
}

void DeviceCommands::ShowTest() { test_->ShowTest(); }

bool DeviceCommands::SimulatedChosen() const {
  try {
    return ParsePortChoice(host_.portChoice()).kind == PortChoice::Kind::Sim;
  } catch (const std::invalid_argument&) {
    return false;
  }
}

void DeviceCommands::OfferSimulator() {
  if (simulatorOffered_ || !host_.mayOfferSimulator()) return;
  const std::string chosen = host_.portChoice();
  if (!chosen.empty() || ParsePortChoice(chosen).kind != PortChoice::Kind::None) return;
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

bool DeviceCommands::KeepBackup(AppDevice& device) {
  const QString folder =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
  const std::time_t now = std::time(nullptr);
  std::tm localTime{};
  localtime_r(&now, &localTime);
  DetectingReporter reporter(host_.status, *detect_);
  const auto file = KeepKeyboardLayout(device.Access(), host_.settings, device.Catalogue(), folder.toStdString(),
                                       localTime, reporter, host_.prompt);
  if (!file) {
    host_.prompt.Message(kBackupFailed, kCaptionError, MessageIcon::Error);
    return false;
  }
  return true;
}

void DeviceCommands::Transfer(OperationKind kind, TfmGrid& window) {
  const bool download = kind == OperationKind::Download;
  // Where the user allows it, the keyboard port goes to serio_raw for the download
  // only, so the keyboard types again when it is over.
  std::optional<PortAttachment> attachment;
  const std::string attachPath = download ? PortPathToAttach(host_.portChoice()) : std::string();
  if (!attachPath.empty() && !device_ && AttachPortForDownload(host_.backend))
    attachment.emplace(host_.backend, attachPath, host_.prompt);
  // The port is closed before it is given back.
  const auto closeAttached = qScopeGuard([&] {
    if (attachment && attachment->Attached()) ForgetDevice();
  });
  AppDevice* device = Device();
  if (!device) return;
  TVL2Document& document = window.Document();
  if (download && host_.settings.IsOn(Setting::IsSaveBeforeDownload) && document.Modified && !host_.save(window))
    return;
  if (download && BackupBeforeDownload(host_.backend) && !KeepBackup(*device)) return;
  if (!download) {
    const WaitCursor wait;  // the snapshot of a large layout takes a moment
    SaveUndo(document, kUndoDeviceRead);
  }
  OperationResult result = OperationResult::Failed;
  {
    const BusyScope busy(document);
    result = progress_->Run(kind, window, *device);
  }
  if (download) {
    if (result == OperationResult::Done) {
      host_.tell(QString::fromUtf8(kDownloadDoneStatus));
      if (host_.settings.IsOn(Setting::IsTestAfterDownload)) test_->ShowForKeys();
    }
    progress_->PlaySound();
  }
  window.Grid().viewport()->update();
  host_.commandsChanged();
}

void DeviceCommands::Download(TfmGrid& window) { Transfer(OperationKind::Download, window); }

void DeviceCommands::Upload(TfmGrid& window) { Transfer(OperationKind::Upload, window); }

void DeviceCommands::Clear() {
  AppDevice* device = Device();
  if (!device) return;
  DetectingReporter reporter(host_.status, *detect_);
  const bool cleared = RunClear(device->Access(), host_.settings, device->Catalogue(), reporter, host_.prompt);
  device->KeepState();
  if (cleared) host_.tell(QString::fromUtf8(kClearDoneStatus));
}

void DeviceCommands::Information() {
  AppDevice* device = Device();
  if (!device) return;
  DetectingReporter reporter(host_.status, *detect_);
  const auto rows = QueryDeviceInfo(device->Access(), host_.settings, device->Catalogue(), reporter, host_.prompt);
  if (!rows) return;
  info_->SetRows(*rows);
  info_->exec();
}

void DeviceCommands::Interval() {
  AppDevice* device = Device();
  if (device && ibd_->Exec(*device) == QDialog::Accepted && ibd_->Sent())
    host_.tell(QString::fromUtf8(kIntervalDoneStatus));
}

std::optional<uint16_t> DeviceCommands::ImageDeviceType() {
  if (host_.settings.Get(Setting::ImageDevice) == 0) {
    if (AppDevice* device = Device()) {
      DetectingReporter reporter(host_.status, *detect_);
      Link link{device->Access().port, device->Access().clock, device->Access().locks,
                SettingsMode(host_.settings), 0};
      const auto identity = DetectDevice(link, reporter, host_.prompt);
      StopCapture(link);
      if (identity) return identity->DeviceType;
    }
  }
  if (host_.deviceList.Exec() != QDialog::Accepted) return std::nullopt;
  const auto type = ParseDeviceSectionName(host_.deviceList.SelectedSection().toStdString());
  if (!type) host_.prompt.Message(kDeviceIdError, kCaptionError, MessageIcon::Error);
  return type;
}

std::optional<KeyImageRequest> DeviceCommands::ImageRequest(
    TfmGrid& window, const std::function<std::optional<KeyImageFormat>()>& chooseFormat) {
  const auto type = ImageDeviceType();
  if (!type) return std::nullopt;
  std::unique_ptr<FolderDeviceCatalogue> catalogue;
  try {
    catalogue = std::make_unique<FolderDeviceCatalogue>(host_.deviceList.DataFolder().toStdString());
  } catch (const std::exception& error) {
    host_.prompt.Message(error.what(), kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  const TVL2Document& document = window.Document();
  const TRect selection = window.Grid().Selection();
  const KeyImageOptions options = KeyImageOptions::FromSettings(host_.settings);
  // The device's checks (and their messages) come before the selection and the file.
  if (!DeviceImageRequest(catalogue->Catalogue(), *type, document, selection.Left, selection.Top,
                          KeyImageFormat::Metafile, options, host_.prompt))
    return std::nullopt;
  const DeviceModel model = *catalogue->Model(*type);
  const TRect field = DeviceBlock(selection, model.Width, model.Height);
  window.Grid().Select(field.Left, field.Top, field.Right, field.Bottom);
  const std::optional<KeyImageFormat> format = chooseFormat();
  if (!format) return std::nullopt;
  return DeviceImageRequest(catalogue->Catalogue(), *type, document, field.Left, field.Top, *format, options,
                            host_.prompt);
}

void DeviceCommands::KeyImage(TfmGrid& window) {
  // The detection and the writing report in the status bar's first panel, which
  // otherwise tells whether the layout is saved.
  const auto restoreStatus = qScopeGuard([this] { host_.commandsChanged(); });
  QString file;
  KeyImageFormat format = KeyImageFormat::Metafile;
  const auto request = ImageRequest(window, [&]() -> std::optional<KeyImageFormat> {
    file = host_.dialogs.Choose(FileDialogKind::SaveKeyImage, host_.dialogFolder(), window.Caption());
    if (file.isEmpty()) return std::nullopt;
    // A name without a known extension gets the metafile, the dialog's first format.
    format = KeyImageFormatOf(file.toStdString()).value_or(KeyImageFormat::Metafile);
    return format;
  });
  if (!request) return;
  const auto build = [&](IReporter& reporter) { return KeyImageBytes(format, *request, reporter); };
  if (!WriteKeyImage(file.toStdString(), build, host_.prompt, host_.status)) return;
  if (host_.settings.IsOn(Setting::ImageRun) && !host_.openFile(QUrl::fromLocalFile(file)))
    host_.prompt.Message(QString::fromUtf8(kEditorNotStarted).arg(QDir::toNativeSeparators(file)).toStdString(),
                         kCaptionAttention, MessageIcon::Warning);
}

void DeviceCommands::PrintKeyImage(TfmGrid& window) {
  const auto restoreStatus = qScopeGuard([this] { host_.commandsChanged(); });
  const auto request = ImageRequest(window, [] { return std::optional(KeyImageFormat::Pdf); });
  if (!request) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(KeyImageWantsLandscape(*request) ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setDocName(window.Caption());
  QPrintPreviewDialog preview(&printer, host_.window);
  preview.setObjectName(QStringLiteral("KeyImagePreview"));
  preview.setWindowTitle(QString::fromUtf8("Печать рисунка клавиш"));
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
    // Painted at 100 %: the printer's page and margins decide only how keys go onto sheets.
    ReportScope scope(host_.status, "Создание рисунка");
    PaintKeyImagePages(*target, *request, host_.status);
  });
  preview.exec();
}

}  // namespace vl
