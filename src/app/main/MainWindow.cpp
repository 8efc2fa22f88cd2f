#include "app/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <functional>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include "app/catalogue/SpecialPasteDialog.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/device/PortAttachOption.h"
#include "app/editor/ArrangeDialog.h"
#include "app/device/DeviceCommands.h"
#include "app/main/AutoSave.h"
#include "app/input/CardInputWindow.h"
#include "app/input/ClickDialog.h"
#include "app/common/CommandIcons.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/common/CoreTexts.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/common/HelpViewer.h"
#include "app/input/KeyInputWindow.h"
#include "app/input/KeyListDialog.h"
#include "app/input/PauseDialog.h"
#include "app/editor/ParametersDialog.h"
#include "app/common/QtPrompt.h"
#include "app/common/TextEntryDialog.h"
#include "app/editor/VL2Grid.h"
#include "app/common/WaitCursor.h"
#include "core/catalogue/Templates.h"
#include "core/common/FileErrors.h"
#include "core/document/BusyScope.h"
#include "core/document/LayoutFile.h"
#include "core/document/PasswordOps.h"
#include "core/device/LayoutBackups.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/Cp1251.h"
#include "core/document/LayoutFile.h"
#include "ports/PortSelect.h"

namespace vl {

namespace {

const char* const kMainPlacement = "Windows\\Main";
const char* const kToolbarsKey = "Toolbars";
constexpr int kMinimumLayoutSize = 250;
constexpr int kWindowStep = 25;  // how far each new or cascaded window steps down and right
constexpr int kVerdictTimeout = 10000;  // how long a device command's outcome stays in the status bar

QString BaseCaption(const QString& fileName) { return QFileInfo(fileName).completeBaseName(); }

}  // namespace

TfmMain::TfmMain(SettingsStore& settings, ISettingsBackend& backend, QString dataFolder,
                 QStringList files, IPrompt* prompt, IFileDialogs* dialogs)
    : settings_(settings), backend_(backend), dataFolder_(std::move(dataFolder)),
      startFiles_(std::move(files)) {
  setWindowTitle(tr("Ostrel Velmorando AT"));
  setMinimumSize(400, 300);
  // A first start takes most of the screen; a stored placement replaces it when shown.
  if (const QScreen* shown = screen()) {
    const QRect available = shown->availableGeometry();
    resize(available.size() * 4 / 5);
    move(available.center() - rect().center());
  }
  if (!prompt) ownPrompt_ = std::make_unique<QtPrompt>(this);
  prompt_ = prompt ? prompt : ownPrompt_.get();
  if (!dialogs) ownDialogs_ = std::make_unique<QtFileDialogs>(this);
  dialogs_ = dialogs ? dialogs : ownDialogs_.get();

  mdi_ = new QMdiArea;
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->viewport()->installEventFilter(this);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
    if (TfmGrid* window = ActiveLayout()) {
      window->RefreshCommands();
      SetPositionTexts(window->PositionShown(), QString());
      if (keyInput_) {
        keyInput_->Attach(window);
        cardInput_->Attach(window);
      }
    }
    CommandsChanged();
  });

  BuildStatusBar();
  cellInfo_ = new QDockWidget(tr("Информация о ячейке"), this);
  cellInfo_->setObjectName(QStringLiteral("CellInfo"));
  cellText_ = new QPlainTextEdit;
  cellText_->setReadOnly(true);
  cellText_->setAccessibleName(cellInfo_->windowTitle());
  cellInfo_->setWidget(cellText_);
  addDockWidget(Qt::RightDockWidgetArea, cellInfo_);
  cellInfo_->hide();

  BuildActions();
  BuildMenus();
  BuildToolbars();
  recent_.Load(backend_);
  RebuildRecentMenu();
  if (auto state = backend_.ReadString(kToolbarsKey, "State")) {
    restoreState(QByteArray::fromBase64(QByteArray::fromStdString(*state)));
  }
  connect(&autosave_, &QTimer::timeout, this, &TfmMain::AutosaveTick);
  CommandsChanged();
}

void TfmMain::CreateDialogs() {
  if (parameters_) return;
  exAbout_ = new TfmExAbout(dataFolder_, this);
  arrange_ = new TfmArrange(this);
  textEntry_ = new TfmTextEntry(this);
  templateChoice_ = new TfmNew(this);
  copyToLayers_ = new TfmCopyToLayers(this);
  specialPaste_ = new TfmSpecialPaste(dataFolder_, *prompt_, this);
  parameters_ = new TfmParameters(settings_, backend_.DocumentsFolder(), this);
  parameters_->KeepUiLanguageIn(backend_);
  new PortAttachOption(*parameters_, *parameters_->Pages()->widget(TfmParameters::kPageDevice), backend_);
  DeviceCommands::Host host{this,
                            settings_,
                            backend_,
                            *prompt_,
                            *reporter_,
                            *dialogs_,
                            *exAbout_,
                            [this](TfmGrid& window) {
                              return SaveBeforeDownload(window.Document(), *prompt_,
                                                        [this, &window] { return SaveWindow(window, false); });
                            },
                            [this] { return DialogFolder(ActiveLayout()); },
                            [this] { CommandsChanged(); },
                            [this] { return PortChoiceText(); },
                            [this](const std::string& choice) {
                              backend_.WriteString("", kPortSettingName, choice);
                            },
                            [this] { return !deviceOpener_; },
                            [this](const QString& text) { statusBar()->showMessage(text, kVerdictTimeout); },
                            [this](const QUrl& url) { return OpenUrl(url); }};
  device_ = new DeviceCommands(std::move(host), [this] {
    if (deviceOpener_) return deviceOpener_();
    return AppDevice::Open(PortChoiceText(), dataFolder_.toStdString(),
                           QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  });
  connect(device_, &DeviceCommands::PortChanged, this, &TfmMain::ShowPortChoice);
  ShowPortChoice();
  gotoBookmark_ = new TfmGotoBookmark(this);
  pause_ = new TfmPause(*prompt_, this);
  click_ = new TfmClick(this);
  keyList_ = new TfmKeyList(this);
  const InputContext input{settings_, backend_, *prompt_, {*pause_, *click_, *keyList_},
                           [this] { return device_->ByteSource(); }};
  cardInput_ = new TfmCardInputWnd(input, this);
  keyInput_ = new TfmKeyInputWnd(input, this);
}

TfmMain::~TfmMain() {
  // Layout windows go first: their grids still talk to this window while dying.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

// ---- commands --------------------------------------------------------------------

void TfmMain::BuildActions() {
  const std::map<std::string, std::function<void()>> handlers = {
      {"acExtNew", [this] { NewFromTemplate(); }},
      {"acNew", [this] { NewLayout(); }},
      {"acOpen", [this] { ChooseAndOpen(); }},
      {"acImportMTF",
       [this] {
         const QString name = ChooseFile(FileDialogKind::ImportMtf, ActiveLayout(), QString());
         if (!name.isEmpty()) ImportFile(name);
       }},
      {"acExportMTF",
       [this] {
         if (TfmGrid* window = ActiveLayout()) ExportTo(*window, QString());
       }},
      {"acClose",
       [this] {
         if (QMdiSubWindow* sub = mdi_->activeSubWindow()) sub->close();
       }},
      {"acCloseAll", [this] { CloseAll(); }},
      {"acSave",
       [this] {
         if (TfmGrid* window = ActiveLayout()) SaveWindow(*window, false);
       }},
      {"acSaveAs",
       [this] {
         if (TfmGrid* window = ActiveLayout()) SaveWindow(*window, true);
       }},
      {"acExit", [this] { close(); }},
      {"acUndo",
       [this] {
         if (TfmGrid* window = ActiveLayout()) window->Document().History.Undo();
         CommandsChanged();
       }},
      {"acRedo",
       [this] {
         if (TfmGrid* window = ActiveLayout()) window->Document().History.Redo();
         CommandsChanged();
       }},
      {"acSelectAll",
       [this] {
         if (TfmGrid* window = ActiveLayout()) window->Grid().SelectAll();
       }},
      {"acServiceCheck", [this] { CheckActiveLayout(); }},
      {"acServiceSetPassword", [this] { SetPassword(); }},
      {"acServiceClearPassword", [this] { ClearPassword(); }},
      {"acParameters",
       [this] {
         parameters_->SetPortChoices(AppDevice::PortChoices(dataFolder_.toStdString()),
                                     QString::fromStdString(StoredPortChoice(backend_)));
         parameters_->BackupCheck()->setChecked(BackupBeforeDownload(backend_));
         if (parameters_->Exec() == QDialog::Accepted) {
           RestartAutosave();
           backend_.WriteString("", kPortSettingName, parameters_->PortChoice().toStdString());
           SetBackupBeforeDownload(backend_, parameters_->BackupCheck()->isChecked());
           device_->ForgetDevice();
         }
         if (TfmGrid* window = ActiveLayout()) window->Grid().viewport()->update();
       }},
      {"acInfo", [this] { device_->Information(); }},
      {"acDownLoad",
       [this] {
         if (TfmGrid* window = ActiveLayout()) device_->Download(*window);
       }},
      {"acUpload",
       [this] {
         if (TfmGrid* window = ActiveLayout()) device_->Upload(*window);
       }},
      {"acDeviceClear", [this] { device_->Clear(); }},
      {"acCompare",
       [this] {
         if (TfmGrid* window = ActiveLayout()) device_->Compare(*window);
       }},
      {"acIBD", [this] { device_->Interval(); }},
      {"acImage",
       [this] {
         if (TfmGrid* window = ActiveLayout()) device_->KeyImage(*window);
       }},
      {"acPrintImage",
       [this] {
         if (TfmGrid* window = ActiveLayout()) device_->PrintKeyImage(*window);
       }},
      {"acWindowTest", [this] { device_->ShowTest(); }},
      {"acWindowSimulator", [this] { device_->ShowSimulator(); }},
      {"acCardInput", [this] { ShowCardInput(); }},
      {"acArrange", [this] { Arrange(arrange_->Exec()); }},
      {"acHelp", [this] { ShowHelp(this, QStringLiteral("index.html")); }},
      {"acExAbout", [this] { exAbout_->Exec(); }},
      // The maker's sites: the same address the Macro Text Format header names, and its Ukrainian page.
      {"acWWW", [this] { OpenSite(QStringLiteral("http://www.ostrel.example")); }},
      {"acWWWUA", [this] { OpenSite(QStringLiteral("http://www.ostrel.example/ua")); }},
      {"acAbout",
       [this] {
         QMessageBox::about(this, tr("О программе"),
                            tr("<b>Ostrel Velmorando AT</b><br>версия %1"
                               "<br><br>Программирование клавиатур TRV и их считывателей магнитных карт.")
                                .arg(QStringLiteral(VLAT_VERSION)));
       }},
  };
  for (const CommandRow& row : Commands()) {
    if (row.Place == CommandPlace::Layout) continue;
    auto* action = new QAction(CommandText(row.Caption), this);
    action->setObjectName(QString::fromUtf8(row.Name));
    QList<QKeySequence> shortcuts;
    for (const QKeySequence& key : {row.Shortcut, row.ExtraShortcut}) {
      if (!key.isEmpty()) shortcuts << key;
    }
    action->setShortcuts(shortcuts);
    action->setCheckable(row.Check != CheckRule::None);
    action->setData(row.Data);
    if (row.Hint) {
      action->setToolTip(CommandText(row.Hint));
      action->setStatusTip(CommandText(row.Hint));
    }
    // The grouping shapes are drawn; the other pictures come from the theme or our own.
    action->setIcon(row.Icon ? row.Icon() : CommandIconFor(action->objectName()));
    actions_[row.Name] = action;
    if (row.Grid) {
      const GridCommand command = *row.Grid;
      connect(action, &QAction::triggered, this, [this, command] {
        if (TfmGrid* window = ActiveLayout()) window->Action(command)->trigger();
        CommandsChanged();
      });
    } else if (auto handler = handlers.find(row.Name); handler != handlers.end()) {
      connect(action, &QAction::triggered, this, handler->second);
    }
  }
  QAction* cellInfo = Action("acViewCellInfo");
  cellInfo->setCheckable(true);
  connect(cellInfo, &QAction::toggled, this, [this](bool on) { cellInfo_->setVisible(on); });
  connect(cellInfo_, &QDockWidget::visibilityChanged, cellInfo, [this, cellInfo] {
    cellInfo->setChecked(!cellInfo_->isHidden());
  });
}

void TfmMain::Arrange(int choice) {
  switch (choice) {
    case TfmArrange::kTopToBottom:
    case TfmArrange::kLeftToRight: {
      // Each window a full strip, stacked or side by side.
      const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
      const QSize area = mdi_->viewport()->size();
      const int count = static_cast<int>(subs.size());
      for (int i = 0; i < count; ++i) {
        subs[i]->showNormal();
        if (choice == TfmArrange::kTopToBottom) {
          subs[i]->setGeometry(0, i * area.height() / count, area.width(), area.height() / count);
        } else {
          subs[i]->setGeometry(i * area.width() / count, 0, area.width() / count, area.height());
        }
      }
      break;
    }
    case TfmArrange::kCascade: Cascade(); break;
    default: break;
  }
}

void TfmMain::BuildMenus() {
  const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (*name) menu->addAction(Action(name));
      else menu->addSeparator();
    }
  };
  QMenu* file = menuBar()->addMenu(tr("&Файл"));
  add(file, {"acExtNew", "acOpen"});
  file->addMenu(tr("&Импортировать"))->addAction(Action("acImportMTF"));
  file->addMenu(tr("&Экспортировать"))->addAction(Action("acExportMTF"));
  add(file, {"acClose", "acCloseAll", "", "acSave", "acSaveAs", "", "acPrintImage", ""});
  recentMenu_ = file;
  file->addAction(Action("acExit"));

  QMenu* edit = menuBar()->addMenu(tr("&Правка"));
  add(edit, {"acUndo", "acRedo", "", "acCut", "acCopy", "acPaste", "acSpecialPaste", "acLayers", "acClear", ""});
  QMenu* field = edit->addMenu(tr("Выделит&ь поле"));
  add(field, {"acSelect12", "acSelect32", "acSelect64", "acSelect105", "acSelect128", "", "acSelectAll"});
  add(edit->addMenu(tr("&Группировать")),
      {"acGroup", "acDegroup", "", "acGroup2Hor", "acGroup2Ver", "acGroup4", "", "acGroupMoveMaster"});
  add(edit, {"", "acGoto"});
  add(edit->addMenu(tr("&Закладка")), {"acMarkAdd", "acMarkDelete"});
  add(edit->addMenu(tr("&Примечание")), {"acNoteAdd", "acNoteDelete"});

  QMenu* view = menuBar()->addMenu(tr("&Вид"));
  add(view->addMenu(tr("&Отображаемые уровни")),
      {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2", "acViewLayers3"});
  toolbarMenu_ = view->addMenu(tr("&Панели инструментов"));
  view->addAction(Action("acViewCellInfo"));
  add(view->addMenu(tr("&Детализация")), {"acViewNormal", "acViewSuper"});

  add(menuBar()->addMenu(tr("&Устройство")), {"acInfo", "acDownLoad", "acUpload", "acDeviceClear", "acIBD", "", "acCompare"});

  QMenu* service = menuBar()->addMenu(tr("&Сервис"));
  add(service, {"acServiceCheck", "acImage"});
  add(service->addMenu(tr("&Защита")), {"acServiceSetPassword", "acServiceClearPassword"});
  add(service, {"", "acParameters"});

  windowMenu_ = menuBar()->addMenu(tr("&Окно"));
  add(windowMenu_, {"acWindowTest", "acWindowSimulator", "acKeyInput", "acCardInput", "acArrange", ""});
  connect(windowMenu_, &QMenu::aboutToShow, this, &TfmMain::RebuildWindowMenu);

  add(menuBar()->addMenu(tr("&?")), {"acHelp", "acExAbout", "", "acWWW", "acWWWUA", "", "acAbout"});
}

void TfmMain::BuildToolbars() {
  struct Bar {
    const char* name;
    const char* title;
    const char* command;
    std::initializer_list<const char*> actions;
  };
  const Bar bars[] = {
      {"Standart", QT_TR_NOOP("Стандартная"), "acViewStandart",
       {"acNew", "acOpen", "acSave", "", "acCut", "acCopy", "acPaste", "acSpecialPaste", "", "acUndo", "acRedo"}},
      {"Layout", QT_TR_NOOP("Раскладка"), "acViewLayout",
       {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2", "acViewLayers3", "",
        "acViewNormal", "acViewSuper"}},
      {"Device", QT_TR_NOOP("Устройство"), "acViewDevice",
       {"acInfo", "acDownLoad", "acUpload", "acDeviceClear", "acIBD", "", "acServiceCheck", "acParameters"}},
      {"Group", QT_TR_NOOP("Группирование"), "acViewGroup",
       {"acGroup", "acDegroup", "", "acGroup2Hor", "acGroup2Ver", "acGroup4", "", "acGroupMoveMaster"}},
      {"Windows", QT_TR_NOOP("&Окна программы"), "acViewWindows", {"acViewCellInfo", "acWindowTest", "acArrange"}},
  };
  const char* captions[] = {QT_TR_NOOP("&Стандартная"), QT_TR_NOOP("&Раскладка"), QT_TR_NOOP("&Устройство"),
                            QT_TR_NOOP("&Группирование"), QT_TR_NOOP("&Oкна")};
  int index = 0;
  for (const Bar& bar : bars) {
    // Two rows by default, so that no toolbar starts folded.
    if (bar.command == std::string("acViewDevice")) addToolBarBreak();
    QToolBar* toolbar = addToolBar(tr(bar.title).remove('&'));
    toolbar->setObjectName(bar.name);
    for (const char* name : bar.actions) {
      if (*name) toolbar->addAction(Action(name));
      else toolbar->addSeparator();
    }
    QAction* toggle = toolbar->toggleViewAction();
    toggle->setText(tr(captions[index++]));
    toggle->setObjectName(bar.command);
    actions_[bar.command] = toggle;
    toolbarMenu_->addAction(toggle);
    toolbars_[bar.name] = toolbar;
  }
}

void TfmMain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  const int widths[kStatusPanelCount] = {160, 110, 220, 130};
  for (int i = 0; i < kStatusPanelCount; ++i) {
    panels_[i] = new QLabel;
    panels_[i]->setMinimumWidth(widths[i]);
    panels_[i]->setFrameShape(QFrame::StyledPanel);
    bar->addWidget(panels_[i], static_cast<StatusPanel>(i) == StatusPanel::Move ? 1 : 0);
  }
  // The progress bar sits over the first panels at a fixed place, as files report there.
  progress_ = new QProgressBar(bar);
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setGeometry(170, 2, 80, 16);
  progress_->hide();
  reporter_ = std::make_unique<StatusReporter>(Panel(StatusPanel::Saved), progress_);
  simulatorPanel_ = new QLabel(tr("Порт: имитатор клавиатуры"));
  simulatorPanel_->setAccessibleName(simulatorPanel_->text());
  simulatorPanel_->setFrameShape(QFrame::StyledPanel);
  simulatorPanel_->setStyleSheet(QStringLiteral("background: #ffe08a"));
  bar->addPermanentWidget(simulatorPanel_);
  simulatorPanel_->hide();
}

std::string TfmMain::PortChoiceText() const {
  return portOverride_.isEmpty() ? StoredPortChoice(backend_) : portOverride_.toStdString();
}

void TfmMain::ShowPortChoice() {
  const bool simulated = device_ && device_->SimulatedChosen();
  simulatorPanel_->setVisible(simulated);
  Action("acWindowSimulator")->setEnabled(simulated);
}

QString TfmMain::StatusText(StatusPanel panel) const { return Panel(panel)->text(); }

void TfmMain::CommandsChanged() {
  TfmGrid* window = ActiveLayout();
  const bool any = window != nullptr;
  for (const CommandRow& row : Commands()) {
    if (row.Place == CommandPlace::Layout) continue;
    QAction* action = Action(row.Name);
    action->setEnabled(row.MainRule == EnableRule::Always || (any && window->Allows(row.MainRule)));
    if (any && row.Check != CheckRule::None) action->setChecked(window->Checks(row));
  }
  Action("acWindowSimulator")->setEnabled(device_ && device_->SimulatedChosen());
  // One device job at a time.
  if (device_ && device_->JobRunning())
    for (const char* name : kDeviceCommandNames) Action(name)->setEnabled(false);
  QAction* undo = Action("acUndo");
  QAction* redo = Action("acRedo");
  if (any) {
    const TVL2Document& document = window->Document();
    // The verb and the step's name are translated apart, as the history keeps the name alone.
    const History& history = document.History;
    const auto step = [](const QString& verb, bool available, const std::string& name) {
      return available ? verb + ' ' + CoreText(name) : verb;
    };
    undo->setText(step(tr("&Отменить"), history.CanUndo(), history.UndoName()));
    undo->setToolTip(step(tr("Отменить"), history.CanUndo(), history.UndoName()));
    redo->setText(step(tr("&Повторить"), history.CanRedo(), history.RedoName()));
    redo->setToolTip(step(tr("Повторить"), history.CanRedo(), history.RedoName()));
  } else {
    undo->setText(tr("&Отменить"));
    redo->setText(tr("&Повторить"));
  }
  if (Panel(StatusPanel::Saved)->text() != tr("не сохранена (сохранение отложено)") || !any ||
      !window->Document().Modified) {
    Panel(StatusPanel::Saved)->setText(any && window->Document().Modified ? tr("не сохранена") : QString());
  }
  Panel(StatusPanel::Password)->setText(any && !window->Document().Password.empty() ? tr("защищена паролем") : QString());
  // The dock follows edits as well as the pointer.
  if (any && cellInfoColumn_ > 0 && !cellInfo_->isHidden()) ShowCellInformation(cellInfoColumn_, cellInfoRow_);
}

void TfmMain::OpenSite(const QString& address) {
  if (OpenUrl(QUrl(address))) return;
  prompt_->Message(tr("Не удалось запустить браузер, чтобы открыть %1.").arg(address).toStdString(),
                   kCaptionError, MessageIcon::Error);
}

void TfmMain::Cascade() {
  // Each window a step down and right of the one before, all of one size that
  // keeps most of the area; windows beyond the room stay at the last step.
  QList<QMdiSubWindow*> subs;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (!sub->isHidden()) subs << sub;
  }
  if (subs.isEmpty()) return;
  const QSize area = mdi_->viewport()->size();
  const int steps = static_cast<int>(subs.size()) - 1;
  const int width = std::max(area.width() - steps * kWindowStep, area.width() * 2 / 3);
  const int height = std::max(area.height() - steps * kWindowStep, area.height() * 2 / 3);
  for (int i = 0; i <= steps; ++i) {
    subs[i]->showNormal();
    subs[i]->setGeometry(std::min(i * kWindowStep, area.width() - width),
                         std::min(i * kWindowStep, area.height() - height), width, height);
    subs[i]->raise();
  }
  mdi_->setActiveSubWindow(subs.last());
}

void TfmMain::FitLayoutWindows() {
  // A smaller area (a dock shown, the window made smaller) keeps every layout
  // window's title buttons in reach.
  const QRect area(QPoint(0, 0), mdi_->viewport()->size());
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (sub->isHidden() || sub->isMaximized() || sub->isMinimized() || area.contains(sub->geometry())) {
      continue;
    }
    QRect fitted = sub->geometry();
    fitted.setWidth(std::min(fitted.width(), area.width()));
    fitted.setHeight(std::min(fitted.height(), area.height()));
    fitted.moveLeft(std::clamp(fitted.left(), 0, area.width() - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), 0, area.height() - fitted.height()));
    sub->setGeometry(fitted);
  }
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdi_->viewport() && event->type() == QEvent::Resize) FitLayoutWindows();
  return QMainWindow::eventFilter(watched, event);
}

void TfmMain::SetPositionTexts(const QString& position, const QString& move) {
  if (!position.isNull()) Panel(StatusPanel::Position)->setText(position);
  Panel(StatusPanel::Move)->setText(move);
}

void TfmMain::ShowCellInformation(int column, int row) {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  cellInfoColumn_ = column;
  cellInfoRow_ = row;
  cellInfo_->setWindowTitle(tr("Клавиша (%1,%2)").arg(column).arg(row));
  const auto language = KeyLanguageFromSetting(settings_.Get(Setting::Layout));
  cellText_->setPlainText(
      QString::fromStdString(CellInformation(window->Document(), column, row, language, CoreTranslator())));
}

void TfmMain::ShowKeyInformation(int column, int row) {
  cellInfo_->show();
  ShowCellInformation(column, row);
}

// ---- windows ---------------------------------------------------------------------

QList<TfmGrid*> TfmMain::LayoutWindows() const {
  QList<TfmGrid*> windows;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    // A closed window lingers hidden until its deferred deletion.
    if (sub->isHidden()) continue;
    if (auto* grid = qobject_cast<TfmGrid*>(sub->widget())) windows << grid;
  }
  return windows;
}

TfmGrid* TfmMain::ActiveLayout() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  if (!sub) sub = mdi_->currentSubWindow();
  return sub && !sub->isHidden() ? qobject_cast<TfmGrid*>(sub->widget()) : nullptr;
}

void TfmMain::Activate(TfmGrid* window) {
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (sub->widget() == window) mdi_->setActiveSubWindow(sub);
  }
}

QString TfmMain::NextUntitledName() {
  ++documentCounter_;
  return tr("Раскладка") + QString::number(documentCounter_);
}

QString TfmMain::LayoutsFolder() const {
  const QString folder = QString::fromStdString(settings_.LayoutsPath());
  // A fresh account may have no documents folder yet: it is made, and where it
  // cannot be, the home folder stands in.
  if (!folder.isEmpty() && QDir().mkpath(folder)) return folder;
  return QDir::homePath();
}

QString TfmMain::DialogFolder(const TfmGrid* window) const {
  const TVL2Document* document = window ? &window->Document() : nullptr;
  const QString file = document && document->Named ? QString::fromStdString(document->FileName) : QString();
  return DialogStartFolder(file, lastFolder_, LayoutsFolder());
}

QString TfmMain::ChooseFile(FileDialogKind kind, const TfmGrid* window, const QString& proposed) {
  const QString name = dialogs_->Choose(kind, DialogFolder(window), proposed);
  if (!name.isEmpty()) lastFolder_ = QFileInfo(name).absolutePath();
  return name;
}

TfmGrid* TfmMain::AddLayoutWindow(std::unique_ptr<TVL2Document> document, const QString& caption) {
  auto* window = new TfmGrid(std::move(document), *this);
  window->SetCaption(caption);
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // The sub-window's own menu would take keys of the command set (its Close takes
  // Ctrl+W, special paste); the title buttons and the main window's commands remain.
  for (QAction* action : sub->systemMenu()->actions()) action->setShortcuts({});
  // Each new window steps 25 pixels down and right and fills the rest of the area;
  // when that leaves too little, it fills the area from its corner.
  const QSize area = mdi_->viewport()->size();
  int offset = static_cast<int>(LayoutWindows().size()) * kWindowStep;
  if (area.width() - offset < kMinimumLayoutSize || area.height() - offset < kMinimumLayoutSize) {
    offset = 0;
  }
  sub->setGeometry(offset, offset, area.width() - offset, area.height() - offset);
  sub->show();
  mdi_->setActiveSubWindow(sub);
  window->Grid().setFocus();
  CommandsChanged();
  return window;
}

TfmGrid* TfmMain::NewLayout() {
  return AddLayoutWindow(std::make_unique<TVL2Document>(), NextUntitledName());
}

void TfmMain::NewFromTemplate() {
  const std::vector<TemplateEntry> templates = ReadTemplates(dataFolder_.toStdString());
  if (templates.empty()) {
    NewLayout();
    return;
  }
  // A layout without keys comes first, so reading a keyboard into a fresh
  // window needs no template.
  QStringList names{tr("Пустая раскладка")};
  for (const TemplateEntry& entry : templates) names << QString::fromStdString(Cp1251ToUtf8(entry.Name));
  const int chosen = templateChoice_->Exec(names);
  if (chosen < 0) return;
  if (chosen == 0) {
    NewLayout();
    return;
  }
  auto layout = NewLayoutFromTemplate(dataFolder_.toStdString(),
                                           templates[static_cast<size_t>(chosen - 1)].File, *prompt_,
                                           *reporter_);
  if (!layout.FromTemplate) {
    NewLayout();
    return;
  }
  // Opened as a file is opened, but untitled and numbered like any new layout,
  // so two windows never share a name.
  CloseUntitledActive();
  AddLayoutWindow(std::move(layout.Document), NextUntitledName());
}

void TfmMain::CloseUntitledActive() {
  TfmGrid* window = ActiveLayout();
  if (window && !window->Document().Named && window->Document().FileName.empty() &&
      !window->Document().Modified) {
    mdi_->activeSubWindow()->close();
  }
}

void TfmMain::WindowClosing(TfmGrid& window) {
  if (!window.Document().FileName.empty()) {
    recent_.Add(window.Document().FileName);
    RebuildRecentMenu();
  }
  Panel(StatusPanel::Position)->clear();
  cellInfoColumn_ = 0;
  cellText_->clear();
  cellInfo_->setWindowTitle(tr("Информация о ячейке"));
  QTimer::singleShot(0, this, [this] {
    // The input windows go with the last layout window.
    if (keyInput_ && LayoutWindows().isEmpty()) {
      keyInput_->Attach(nullptr);
      cardInput_->Attach(nullptr);
      keyInput_->hide();
      cardInput_->hide();
    }
    CommandsChanged();
  });
}

void TfmMain::ShowKeyInput(TfmGrid& window) {
  CreateDialogs();
  keyInput_->Attach(&window);
  keyInput_->show();
  keyInput_->raise();
  keyInput_->activateWindow();
}

void TfmMain::ShowCardInput() {
  TfmGrid* window = ActiveLayout();
  if (window == nullptr) return;
  CreateDialogs();
  cardInput_->Attach(window);
  cardInput_->show();
  cardInput_->raise();
  cardInput_->activateWindow();
}

void TfmMain::CloseAll() {
  closeCancelled_ = false;
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (closeCancelled_) break;
    if (!sub->close()) break;
  }
}

// ---- file flows ------------------------------------------------------------------

void TfmMain::ChooseAndOpen() {
  const QString name = ChooseFile(FileDialogKind::OpenLayout, ActiveLayout(), QString());
  if (!name.isEmpty()) OpenFile(name);
}

void TfmMain::OpenFile(const QString& fileName, bool recent) {
  const QString upper = QFileInfo(fileName).absoluteFilePath().toUpper();
  for (TfmGrid* window : LayoutWindows()) {
    const QString open = QString::fromStdString(window->Document().FileName);
    if (open.isEmpty() || QFileInfo(open).absoluteFilePath().toUpper() != upper) continue;
    if (!window->Document().Modified && !recent) return;
    const std::string question = tr("Файл %1 уже открыт. Вернуться к сохраненному файлу?").arg(fileName.toUpper()).toStdString();
    if (prompt_->Ask(question, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) !=
        Answer::Yes) {
      return;
    }
    window->Document().Modified = false;  // closed without saving: the file is reloaded
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
      if (sub->widget() == window) sub->close();
    }
    break;
  }
  auto document = std::make_unique<TVL2Document>();
  try {
    LoadLayout(*document, fileName.toStdString(), *prompt_, *reporter_);
  } catch (const OperationAbandoned&) {
    return;
  } catch (const FileReadError&) {
    prompt_->Message(WithFileName(tr("Ошибка чтения из файла.").toStdString(), fileName.toStdString()), kCaptionError,
                     MessageIcon::Error);
    return;
  } catch (const FileError& error) {
    prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
    return;
  }
  CloseUntitledActive();
  const QString caption = document->Named ? BaseCaption(fileName) : NextUntitledName();
  AddLayoutWindow(std::move(document), caption);
}

void TfmMain::ImportFile(const QString& fileName) {
  auto document = std::make_unique<TVL2Document>();
  try {
    ReadMtf(*document, fileName.toStdString(), settings_, *prompt_, *reporter_);
  } catch (const OperationAbandoned&) {
    return;
  } catch (const FileError& error) {
    prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
    return;
  }
  CloseUntitledActive();
  AddLayoutWindow(std::move(document), NextUntitledName());
}

bool TfmMain::ExportTo(TfmGrid& window, const QString& fileName) {
  TVL2Document& document = window.Document();
  const BusyScope busy(document);
  QString name = fileName;
  if (name.isEmpty()) name = ChooseFile(FileDialogKind::ExportMtf, &window, window.Caption());
  if (name.isEmpty()) return false;
  try {
    ExportMtf(document, name.toStdString(), settings_, *reporter_);
  } catch (const FileError& error) {
    prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
    return false;
  }
  return true;
}

bool TfmMain::SaveWindow(TfmGrid& window, bool saveAs) {
  TVL2Document& document = window.Document();
  if (!saveAs && !document.Modified && document.Named) return true;
  {
    const BusyScope busy(document);
    QString name = QString::fromStdString(document.FileName);
    if (!document.Named || saveAs || name.isEmpty()) {
      name = ChooseFile(FileDialogKind::SaveLayout, &window, window.Caption());
      if (name.isEmpty()) return false;
    }
    try {
      SaveLayout(document, name.toStdString(), settings_, *reporter_);
    } catch (const FileError& error) {
      prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
      return false;
    }
    window.SetCaption(BaseCaption(name));
  }
  CommandsChanged();
  return true;
}

void TfmMain::CheckActiveLayout() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  std::vector<CheckRemark> remarks;
  {
    const WaitCursor wait;
    remarks = CheckLayout(window->Document(), {1, 1, kFieldSize, kFieldSize}, settings_.LayerCountValue(),
                          CoreTranslator());
    window->ShowCheckRemarks(remarks);
  }
  if (remarks.empty()) {
    prompt_->Message(tr("Проверка окончена. Замечаний нет.").toStdString(), kCaptionInformation, MessageIcon::Information);
  }
}

void TfmMain::SetPassword() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  if (SetPasswordCommand(window->Document(), window->Caption().toStdString(), *prompt_)) {
    CommandsChanged();
  }
}

void TfmMain::ClearPassword() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  ClearPasswordCommand(window->Document(), *prompt_);
  CommandsChanged();
}

void TfmMain::RebuildRecentMenu() {
  if (!recentMenu_) return;
  for (QAction* action : recentMenu_->actions()) {
    if (action->property("recent").toBool()) {
      recentMenu_->removeAction(action);
      action->deleteLater();
    }
  }
  QAction* exit = Action("acExit");
  int number = 1;
  for (const std::string& item : recent_.Items()) {
    const QString name = QString::fromStdString(item);
    auto* action = new QAction(QString("&%1 %2").arg(number++).arg(name), this);
    action->setProperty("recent", true);
    connect(action, &QAction::triggered, this, [this, name] { OpenFile(name, true); });
    recentMenu_->insertAction(exit, action);
  }
  if (!recent_.Items().empty()) {
    QAction* separator = recentMenu_->insertSeparator(exit);
    separator->setProperty("recent", true);
  }
}

void TfmMain::RebuildWindowMenu() {
  for (QAction* action : windowListActions_) {
    windowMenu_->removeAction(action);
    action->deleteLater();
  }
  windowListActions_.clear();
  int number = 1;
  TfmGrid* active = ActiveLayout();
  for (TfmGrid* window : LayoutWindows()) {
    QAction* action = windowMenu_->addAction(QString("&%1 %2").arg(number++).arg(window->Caption()));
    action->setCheckable(true);
    action->setChecked(window == active);
    connect(action, &QAction::triggered, this, [this, window] { Activate(window); });
    windowListActions_ << action;
  }
}

// ---- settings-driven behaviour ---------------------------------------------------

bool TfmMain::ShowParameters(int page) {
  const bool accepted = parameters_->Exec(page) == QDialog::Accepted;
  if (TfmGrid* window = ActiveLayout()) window->Grid().viewport()->update();
  return accepted;
}

void TfmMain::RestartAutosave() {
  autosave_.stop();
  if (settings_.IsOn(Setting::IsAutosave)) {
    autosave_.start(settings_.Get(Setting::AutosaveValue) * 60000);
  }
}

void TfmMain::AutosaveTick() {
  TfmGrid* window = ActiveLayout();
  if (!window || !window->Document().Modified) return;
  if (window->Document().Busy) {
    Panel(StatusPanel::Saved)->setText(tr("не сохранена (сохранение отложено)"));
    return;
  }
  AutoSave(window->Document(), *prompt_, [this, window] { return SaveWindow(*window, false); });
}

void TfmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FirstShow();
}

void TfmMain::SetDeviceOpener(std::function<std::unique_ptr<AppDevice>()> opener) {
  deviceOpener_ = std::move(opener);
  if (device_) device_->ForgetDevice();
}

void TfmMain::FirstShow() {
  CreateDialogs();
  RestorePlacement();
  if (startFiles_.isEmpty()) {
    NewLayout();
  } else {
    for (const QString& file : startFiles_) OpenFile(file);
  }
  RestartAutosave();
  QTimer::singleShot(0, this, [this] {
    CommandsChanged();
    update();
    if (settings_.IsOn(Setting::IsStartInfo)) device_->Information();
  });
}

void TfmMain::RestorePlacement() {
  // The normal rectangle and the show command are what a window here can take;
  // the minimised and maximised positions are kept only for the record.
  const char* names[] = {"rcNormalPosition_Left", "rcNormalPosition_Top", "rcNormalPosition_Right",
                         "rcNormalPosition_Bottom", "ShowCmd", "Flags", "ptMinPosition_X",
                         "ptMinPosition_Y", "ptMaxPosition_X", "ptMaxPosition_Y"};
  int values[10];
  for (int i = 0; i < 10; ++i) {
    const auto value = backend_.ReadInt(kMainPlacement, names[i]);
    if (!value) return;  // every value must be there for the placement to apply
    values[i] = static_cast<int>(*value);
  }
  setGeometry(values[0], values[1], std::max(values[2] - values[0], 400), std::max(values[3] - values[1], 300));
  if (values[4] == 3) showMaximized();
}

void TfmMain::SavePersistentState() {
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  backend_.WriteInt(kMainPlacement, "Flags", 0);
  backend_.WriteInt(kMainPlacement, "ShowCmd", isMaximized() ? 3 : 1);
  backend_.WriteInt(kMainPlacement, "ptMinPosition_X", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMinPosition_Y", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMaxPosition_X", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "ptMaxPosition_Y", 0xFFFFFFFF);
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Left", static_cast<uint32_t>(normal.left()));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Top", static_cast<uint32_t>(normal.top()));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Right", static_cast<uint32_t>(normal.right() + 1));
  backend_.WriteInt(kMainPlacement, "rcNormalPosition_Bottom", static_cast<uint32_t>(normal.bottom() + 1));
  backend_.WriteString(kToolbarsKey, "State", saveState().toBase64().toStdString());
  recent_.Save(backend_);
}

void TfmMain::closeEvent(QCloseEvent* event) {
  // A device job is stopped (asked first) before anything else goes.
  if (device_ && !device_->MayQuit()) {
    event->ignore();
    return;
  }
  CloseAll();
  if (!LayoutWindows().isEmpty() && closeCancelled_) {
    event->ignore();
    return;
  }
  autosave_.stop();
  SavePersistentState();
  event->accept();
}

}  // namespace vl
