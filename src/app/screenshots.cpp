// vlat-screenshots DATA_DIR OUT_DIR [ru|uk|en]: renders the main window with a sample layout
// and a template, the dialogs, and the device windows over a simulated keyboard in
// the process, into PNG files for docs/screenshots. DATA_DIR
// is the program folder (catalogue, templates, spaste.ini, help). Runs on any
// platform plugin, offscreen included; touches no settings of the real program.
// The windows speak the language named (Russian by default).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/catalogue/SpecialPasteDialog.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/device/CompareDialog.h"
#include "app/device/DeviceCommands.h"
#include "app/device/IntervalDialog.h"
#include "app/device/InfoDialog.h"
#include "app/device/ProgressDialog.h"
#include "app/device/TestWindow.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/input/CardInputWindow.h"
#include "app/common/HelpViewer.h"
#include "app/input/KeyInputWindow.h"
#include "app/main/MainWindow.h"
#include "app/editor/ParametersDialog.h"
#include "app/common/QtTranslations.h"
#include "app/editor/VL2Grid.h"
#include "core/common/Reporter.h"
#include "core/document/KeyNoteOps.h"
#include "core/document/LayoutFile.h"
#include "core/text/Cp1251.h"
#include "sim/SimulatedPort.h"

namespace {

using namespace vl;

void Key(TVL2Document& document, int column, int row, uint8_t function,
         std::initializer_list<std::pair<int, std::string>> presses, const std::string& release = {}) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = function;
  for (const auto& [layer, press] : presses) {
    key->Layers[layer].Macro[0] = press;
    key->Layers[layer].Macro[1] = release;
  }
  document.SetKey(column, row, std::move(key));
}

// A cash-register keyboard: texts on several layers, switching keys, groups,
// notes and bookmarks.
void FillSampleLayout(TVL2Document& document) {
  const std::string a = "\x1c\xf0\x1c", b = "\x32\xf0\x32", c = "\x21\xf0\x21";
  const std::string enter = "\x5a\xf0\x5a", shift = "\x12", one = "\x16\xf0\x16";
  Key(document, 1, 1, kFuncMacro, {{0, a + b + c}, {1, "\x12" + a + "\xf0\x12"}});
  Key(document, 2, 1, kFuncMacro, {{0, enter}});
  Key(document, 3, 1, kFuncMacro, {{0, one}, {2, one + one}, {3, c}}, "\xf0" + shift);
  Key(document, 4, 1, kFuncMacro, {{1, b + b}});
  Key(document, 1, 2, kFuncLayerUp, {});
  Key(document, 2, 2, kFuncLayerDown, {});
  Key(document, 3, 2, kFuncGoToLayer0 + 1, {});
  Key(document, 4, 2, kFuncShiftToLayer0 + 2, {});
  Key(document, 2, 4, kFuncMacro, {{0, a}, {1, b}, {2, c}, {3, enter}});
  Key(document, 5, 3, kFuncMacro, {{0, enter}});
  document.MakeGroup({2, 4, 3, 4});
  document.MakeGroup({5, 3, 6, 4});
  SetKeyNote(document, {1, 1, 2, 1}, Utf8ToCp1251Lossy("Итог чека"));
  SetKeyNote(document, {5, 3, 5, 3}, Utf8ToCp1251Lossy("Ввод"));
  SetMark(document, 1, 2, Utf8ToCp1251Lossy("Уровни"));
  SetMark(document, 5, 3, Utf8ToCp1251Lossy("Ввод"));
}

void Save(QWidget& widget, const QString& file) {
  widget.grab().save(file);
  std::printf("%s\n", qPrintable(file));
}

// Grabs a modal dialog once its event loop runs, then closes it.
void WhenShown(QDialog& dialog, const QString& file, std::function<void()> prepare = {}) {
  QTimer::singleShot(0, &dialog, [&dialog, file, prepare] {
    if (prepare) prepare();
    QApplication::processEvents();
    Save(dialog, file);
    dialog.reject();
  });
}

// Grabs a window each time it is shown.
class GrabOnShow final : public QObject {
 public:
  GrabOnShow(QWidget& widget, QString file) : QObject(&widget), file_(std::move(file)) {
    widget.installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) Save(*static_cast<QWidget*>(watched), file_);
    return false;
  }

 private:
  QString file_;
};

// Lets the device jobs a command started run to their end.
void Finish(TfmMain& main) {
  while (main.Device().JobRunning()) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The device windows with a simulated keyboard of the shipped catalogue's type
// 0105 in the process, on the virtual clock: download, information, interval,
// upload into a new layout, the test window.
void RunDeviceWindows(TfmMain& main, const QString& data, const QString& out) {
  // Every question of the session is answered with its default button.
  auto* answer = new QTimer(&main);
  QObject::connect(answer, &QTimer::timeout, answer, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      QAbstractButton* button = box->defaultButton();
      if (!button) button = box->buttons().value(0);
      if (button) button->click();
    }
  });
  answer->start(50);
  main.Settings().Set(Setting::IsShowDownloadParameters, 0);
  main.Settings().Set(Setting::IsTestAfterDownload, 0);
  main.SetDeviceOpener([data]() -> std::unique_ptr<AppDevice> {
    auto clock = std::make_unique<VirtualClock>();
    sim::SimConfig config;
    config.identity.DeviceType = 0x105;
    auto keyboard = std::make_unique<sim::SimulatedPort>(*clock, config);
    return std::make_unique<AppDevice>(std::move(clock), std::move(keyboard),
                                       std::make_unique<FolderDeviceCatalogue>(data.toStdString()));
  });
  DeviceCommands& device = main.Device();
  new GrabOnShow(device.Progress().Detect(), QDir(out).filePath("device_detect.png"));
  auto* once = new QObject(&device.Progress());
  QObject::connect(device.Progress().Bar(), &QProgressBar::valueChanged, once, [&device, out, once](int value) {
    if (value < 40) return;
    Save(device.Progress(), QDir(out).filePath("device_progress.png"));
    delete once;
  });
  main.Action("acDownLoad")->trigger();
  Finish(main);

  auto* info = new GrabOnShow(device.Info(), QDir(out).filePath("device_info.png"));
  main.Action("acInfo")->trigger();
  Finish(main);
  delete info;
  device.Info().reject();
  WhenShown(device.IntervalChoice(), QDir(out).filePath("device_interval.png"));
  main.Action("acIBD")->trigger();
  Finish(main);

  TfmGrid* uploaded = main.NewLayout();
  main.Action("acUpload")->trigger();
  Finish(main);
  QApplication::processEvents();
  Save(main, QDir(out).filePath("device_uploaded.png"));

  // One key taken away from the uploaded layout: what the compare window lists.
  TVL2Document& document = uploaded->Document();
  for (size_t index = 0; index < kFieldCells; ++index) {
    const int column = FieldMatrix<KeyRef>::ColumnOf(index);
    const int row = FieldMatrix<KeyRef>::RowOf(index);
    if (!document.GetKey(column, row)) continue;
    document.SetKey(column, row, nullptr);
    break;
  }
  main.Action("acCompare")->trigger();
  Finish(main);
  QApplication::processEvents();
  Save(device.CompareWindow(), QDir(out).filePath("device_compare.png"));
  device.CompareWindow().hide();

  TfmTest& test = device.Test();
  test.ShowTest();
  test.System()->setCurrentIndex(0);
  for (quint8 byte : {0x1E, 0x9E, 0x30, 0xB0}) test.Receive(byte);
  test.System()->setCurrentIndex(1);
  for (quint8 byte : {0x1E, 0x9E, 0x30, 0xB0}) test.Receive(byte);
  test.System()->setCurrentIndex(2);
  for (quint8 byte : {0x2A, 0x1E, 0x9E, 0xAA, 0x30, 0x30, 0xB0, 0x1C, 0x9C}) test.Receive(byte);
  QApplication::processEvents();
  Save(test, QDir(out).filePath("device_test.png"));
  test.hide();

  // The key image of the uploaded layout in the print preview, for the detected keyboard.
  main.Settings().Set(Setting::ImageDevice, 0);
  main.Settings().Set(Setting::ImageCreate, 1);
  main.Settings().Set(Setting::ImageLayers, 0b11);
  auto* preview = new QTimer(&main);
  QObject::connect(preview, &QTimer::timeout, preview, [preview, out] {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    preview->stop();
    dialog->resize(900, 1000);
    QApplication::processEvents();
    Save(*dialog, QDir(out).filePath("key_image_preview.png"));
    dialog->reject();
  });
  preview->start(20);
  main.Action("acPrintImage")->trigger();
  Finish(main);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: vlat-screenshots DATA_DIR OUT_DIR [ru|uk|en]\n");
    return 2;
  }
  const vl::UiLanguage language = vl::LanguageFromLocale({.Lang = argc == 4 ? argv[3] : "ru"});
  vl::InstallTranslations(app, language);
  const QString out = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out);
  const QString data = QString::fromLocal8Bit(argv[1]);
  QTemporaryDir folder;  // the sample layout's file
  SetHelpFolder(QDir(data).filePath("help/" + LanguageCode(language)));

  MemorySettingsBackend backend(folder.path().toStdString());
  SettingsStore settings;
  settings.Load(backend);
  const QString layout = QDir(folder.path()).filePath(QString::fromUtf8("Касса.vld"));
  {
    TVL2Document sample;
    FillSampleLayout(sample);
    NullReporter reporter;
    SaveLayout(sample, layout.toStdString(), settings, reporter);
  }
  TfmMain main(settings, backend, data, {layout});
  main.resize(1280, 800);
  main.CellInfo()->show();
  main.show();
  QApplication::processEvents();
  TfmGrid& window = *main.ActiveLayout();
  TVL2Grid& grid = window.Grid();
  main.ShowCellInformation(1, 1);

  const auto shot = [&](const char* name, int viewMode, int layer) {
    grid.SetViewMode(viewMode);
    grid.SetShownLayer(layer);
    window.RefreshCommands();
    main.CommandsChanged();
    QApplication::processEvents();
    Save(main, QDir(out).filePath(name));
  };
  grid.Select(2, 1, 3, 2);
  shot("main_high_all.png", 1, kAllLayers);
  shot("main_high_layer0.png", 1, 0);
  grid.Select(5, 5, 5, 5);
  shot("main_normal_all.png", 0, kAllLayers);
  shot("main_normal_layer1.png", 0, 1);
  // The same in the colours of the setting "контрастные цвета".
  settings.SetHighContrast(true);
  shot("main_normal_layer1_contrast.png", 0, 1);
  grid.Select(2, 1, 3, 2);
  shot("main_high_layer0_contrast.png", 1, 0);
  settings.SetHighContrast(false);
  grid.Select(5, 5, 5, 5);
  settings.Set(Setting::LayerCount, 1);  // two layers loaded: remarks about 2 and 3
  main.CheckActiveLayout();
  shot("main_check_panel.png", 1, kAllLayers);

  // The key function window over the first key's layers, then the card reader's.
  grid.Select(1, 1, 1, 1);
  main.ShowKeyInput(window);
  QApplication::processEvents();
  Save(main.KeyInput(), QDir(out).filePath("key_window.png"));
  main.KeyInput().hide();
  main.ShowCardInput();
  QApplication::processEvents();
  Save(main.CardInput(), QDir(out).filePath("card_window.png"));
  main.CardInput().hide();

  TfmParameters& parameters = main.Parameters();
  for (int page = 0; page < 4; ++page) {
    WhenShown(parameters, QDir(out).filePath(QString("parameters_page%1.png").arg(page)));
    main.ShowParameters(page);  // as the menu opens it: with the port list filled
  }
  SupportedDevicesDialog& devices = main.SupportedDevices();
  WhenShown(devices, QDir(out).filePath("supported_devices.png"));
  devices.Exec();
  // The first template, chosen in TemplateDialog, opens beside the sample.
  TemplateDialog& templates = main.TemplateChoice();
  QTimer::singleShot(0, &templates, [&] {
    Save(templates, QDir(out).filePath("template_choice.png"));
    templates.accept();
  });
  main.Action("acExtNew")->trigger();
  QApplication::processEvents();
  Save(main, QDir(out).filePath("main_template.png"));
  TfmSpecialPaste& paste = main.SpecialPasteDialog();
  WhenShown(paste, QDir(out).filePath("special_paste.png"));
  paste.Exec();
  TfmCopyToLayers& layers = main.CopyToLayersDialog();
  WhenShown(layers, QDir(out).filePath("copy_to_layers.png"));
  layers.Exec(1);
  RunDeviceWindows(main, data, out);
  return 0;
}
