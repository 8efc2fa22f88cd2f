#include "app/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <stdexcept>

#include "app/common/CommandIcons.h"
#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"
#include "app/common/QtPrompt.h"
#include "app/common/QtTranslations.h"
#include "app/common/TextEntryDialog.h"
#include "app/common/WaitCursor.h"
#include "app/catalogue/SpecialPasteDialog.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/editor/ArrangeDialog.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/editor/ParametersDialog.h"
#include "app/editor/VL2Grid.h"
#include "app/input/CardInputWindow.h"
#include "app/input/ClickDialog.h"
#include "app/input/KeyInputWindow.h"
#include "app/input/KeyListDialog.h"
#include "app/input/PauseDialog.h"
#include "app/device/DeviceCommands.h"
#include "app/device/PortAttachOption.h"
#include "app/main/AutoSave.h"
#include "app/main/WindowPlacement.h"
#include "core/catalogue/NameTranslations.h"
#include "core/catalogue/ProgramFile.h"
#include "core/catalogue/Templates.h"
#include "core/device/LayoutBackups.h"
#include "core/document/PasswordOps.h"
#include "core/text/Cp1251.h"
#include "ports/PortSelect.h"

namespace vl {

namespace {

constexpr int kVerdictTimeout = 10000;  // how long a device command's outcome stays in the status bar

}  // namespace

TfmMain::TfmMain(SettingsStore& settings, ISettingsBackend& backend, QString dataFolder,
                 QStringList files, IPrompt* prompt, IFileDialogs* dialogs)
    : settings_(settings), backend_(backend), dataFolder_(std::move(dataFolder)),
      startFiles_(std::move(files)) {
  setWindowTitle(tr("Ostrel Velmorando AT"));
  if (!prompt) ownPrompt_ = std::make_unique<QtPrompt>(this);
  prompt_ = prompt ? prompt : ownPrompt_.get();
  if (!dialogs) ownDialogs_ = std::make_unique<QtFileDialogs>(this);
  dialogs_ = dialogs ? dialogs : ownDialogs_.get();

  mdi_ = new QMdiArea;
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  placement_ = std::make_unique<WindowPlacement>(*this, *mdi_, backend_);
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
  documents_ = std::make_unique<LayoutDocuments>(*this, settings_, *prompt_, *reporter_, *dialogs_);
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
  placement_->RestoreToolbars();
  connect(&autosave_, &QTimer::timeout, this, &TfmMain::AutosaveTick);
  CommandsChanged();
}

void TfmMain::CreateDialogs() {
  if (parameters_) return;
  supportedDevices_ = new SupportedDevicesDialog(dataFolder_, this);
  arrange_ = new TfmArrange(this);
  textEntry_ = new TfmTextEntry(this);
  templateChoice_ = new TemplateDialog(this);
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
                            *supportedDevices_,
                            [this](TfmGrid& window) {
                              return SaveBeforeDownload(window.Document(), *prompt_,
                                                        [this, &window] { return SaveWindow(window, false); });
                            },
                            [this] { return documents_->DialogFolder(ActiveLayout()); },
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
                           [this] { return device_ ? device_->ByteSource() : PortHandle(); }};
  cardInput_ = new TfmCardInputWnd(input, this);
  keyInput_ = new TfmKeyInputWnd(input, this);
}

TfmMain::~TfmMain() {
  // The device layer goes first: a running job is stopped and ended while every
  // window it may touch is still whole.
  delete device_;
  device_ = nullptr;
  // Layout windows go next: their grids still talk to this window while dying.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

// ---- commands --------------------------------------------------------------------

void CheckCommandHandlers(const std::vector<CommandRow>& rows, const CommandHandlers& handlers) {
  for (const CommandRow& row : rows) {
    if (row.Place == CommandPlace::Layout || row.Grid || handlers.contains(row.Name)) continue;
    throw std::logic_error(std::string("the main window has no handler for the command ") + row.Name);
  }
}

void TfmMain::BuildActions() {
  const CommandHandlers handlers = {
      {"acExtNew", [this] { NewFromTemplate(); }},
      {"acNew", [this] { NewLayout(); }},
      {"acOpen", [this] { documents_->ChooseAndOpen(); }},
      {"acImportMTF", [this] { documents_->ChooseAndImport(); }},
      {"acExportMTF",
       [this] {
         if (TfmGrid* window = ActiveLayout()) documents_->ExportTo(*window, QString());
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
      {"acViewCellInfo", [this] { cellInfo_->setVisible(Action("acViewCellInfo")->isChecked()); }},
      {"acSelectAll",
       [this] {
         if (TfmGrid* window = ActiveLayout()) window->Grid().SelectAll();
       }},
      {"acServiceCheck", [this] { CheckActiveLayout(); }},
      {"acServiceSetPassword", [this] { SetPassword(); }},
      {"acServiceClearPassword", [this] { ClearPassword(); }},
      {"acParameters", [this] { ShowParameters(-1); }},
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
      {"acArrange", [this] { placement_->Arrange(arrange_->Exec()); }},
      {"acHelp", [this] { ShowHelp(this, QStringLiteral("index.html")); }},
      {"acExAbout", [this] { supportedDevices_->Exec(); }},
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
  CheckCommandHandlers(Commands(), handlers);
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
    } else {
      connect(action, &QAction::triggered, this, handlers.at(row.Name));
    }
  }
  QAction* cellInfo = Action("acViewCellInfo");
  cellInfo->setCheckable(true);
  // The dock hides its children while the window is destroyed: the slot must not
  // reach into the window then.
  connect(cellInfo_, &QDockWidget::visibilityChanged, cellInfo, [dock = cellInfo_, cellInfo] {
    cellInfo->setChecked(!dock->isHidden());
  });
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
  // While a device job runs, only its progress window takes input (it is modal
  // as well): no command, layout window or key programming window can change
  // what the job works on, and no second device command starts.
  const bool jobRunning = device_ && device_->JobRunning();
  if (jobRunning)
    for (const auto& [name, action] : actions_) action->setEnabled(false);
  mdi_->setEnabled(!jobRunning);
  for (QWidget* input : std::initializer_list<QWidget*>{keyInput_, cardInput_})
    if (input) input->setEnabled(!jobRunning);
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
  // A postponed autosave stays told until its layout is saved.
  if (autosavePostponed_ && !autosavePostponed_->Document().Modified) autosavePostponed_ = nullptr;
  QString saved;
  if (any && window->Document().Modified) {
    saved = window == autosavePostponed_ ? tr("не сохранена (сохранение отложено)") : tr("не сохранена");
  }
  Panel(StatusPanel::Saved)->setText(saved);
  Panel(StatusPanel::Password)->setText(any && !window->Document().Password.empty() ? tr("защищена паролем") : QString());
  // The dock follows edits as well as the pointer.
  if (any && cellInfoColumn_ > 0 && !cellInfo_->isHidden()) ShowCellInformation(cellInfoColumn_, cellInfoRow_);
}

void TfmMain::OpenSite(const QString& address) {
  if (OpenUrl(QUrl(address))) return;
  prompt_->Message(tr("Не удалось запустить браузер, чтобы открыть %1.").arg(address).toStdString(),
                   kCaptionError, MessageIcon::Error);
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

TfmGrid* TfmMain::AddLayoutWindow(std::unique_ptr<TVL2Document> document, const QString& caption) {
  auto* window = new TfmGrid(std::move(document), *this);
  window->SetCaption(caption);
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // The sub-window's own menu would take keys of the command set (its Close takes
  // Ctrl+W, special paste); the title buttons and the main window's commands remain.
  for (QAction* action : sub->systemMenu()->actions()) action->setShortcuts({});
  placement_->PlaceNew(*sub, static_cast<int>(LayoutWindows().size()));
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
  const NameTranslations translated = NameTranslations::Read(
      ProgramFilePath(dataFolder_.toStdString(), kTemplateListFileName).string(), TranslationLanguage());
  for (const TemplateEntry& entry : templates) names << QString::fromStdString(Cp1251ToUtf8(translated(entry.Name)));
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

void TfmMain::AddReadLayout(std::unique_ptr<TVL2Document> document, const QString& caption) {
  CloseUntitledActive();
  AddLayoutWindow(std::move(document), caption.isEmpty() ? NextUntitledName() : caption);
}

void TfmMain::CloseLayoutWindow(TfmGrid& window) {
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (sub->widget() == &window) sub->close();
  }
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
    connect(action, &QAction::triggered, this, [this, name] { documents_->OpenFile(name, true); });
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
  parameters_->SetPortChoices(AppDevice::PortChoices(dataFolder_.toStdString()),
                              QString::fromStdString(StoredPortChoice(backend_)));
  parameters_->BackupCheck()->setChecked(BackupBeforeDownload(backend_));
  const std::string portInForce = PortChoiceText();
  const bool accepted = parameters_->Exec(page) == QDialog::Accepted;
  if (accepted) {
    RestartAutosave();
    backend_.WriteString("", kPortSettingName, parameters_->PortChoice().toStdString());
    SetBackupBeforeDownload(backend_, parameters_->BackupCheck()->isChecked());
    // The open port (and a running job on it) is left alone unless another port was chosen.
    if (PortChoiceText() != portInForce) device_->ForgetDevice();
  }
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
    autosavePostponed_ = window;
    CommandsChanged();
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
  placement_->RestorePlacement();
  if (startFiles_.isEmpty()) {
    NewLayout();
  } else {
    for (const QString& file : startFiles_) documents_->OpenFile(file);
  }
  RestartAutosave();
  QTimer::singleShot(0, this, [this] {
    CommandsChanged();
    update();
    if (settings_.IsOn(Setting::IsStartInfo)) device_->Information();
  });
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
  placement_->Save();
  recent_.Save(backend_);
  event->accept();
}

}  // namespace vl
