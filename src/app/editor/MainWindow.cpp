#include "app/editor/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPainter>
#include <QProgressBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/device/DeviceCommands.h"
#include "app/editor/CardInputWindow.h"
#include "app/editor/ClickDialog.h"
#include "app/editor/HelpViewer.h"
#include "app/editor/KeyInputWindow.h"
#include "app/editor/KeyListDialog.h"
#include "app/editor/PauseDialog.h"
#include "app/editor/ParametersDialog.h"
#include "app/editor/QtPrompt.h"
#include "app/editor/SmallDialogs.h"
#include "app/editor/VL2Grid.h"
#include "app/mtf/SpecialPasteDialog.h"
#include "core/catalogue/Templates.h"
#include "core/common/FileErrors.h"
#include "core/device/LayoutBackups.h"
#include "core/document/Undo.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/Cp1251.h"
#include "core/document/LayoutFile.h"
#include "ports/PortSelect.h"

namespace vl {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

const char* const kMainPlacement = "Windows\\Main";
const char* const kToolbarsKey = "Toolbars";
constexpr int kMinimumLayoutSize = 250;

// The grouping commands' toolbar pictures: a block of key cells, its outline
// drawn heavy when the command makes a group, thin and dashed when it ungroups,
// with the master glyph on the second cell for the master command.
QIcon ShapeIcon(int columns, int rows, bool ungroup = false, bool master = false) {
  constexpr int kSize = 32;
  constexpr int kCell = 9;
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const QRect block((kSize - columns * kCell) / 2, (kSize - rows * kCell) / 2, columns * kCell,
                    rows * kCell);
  painter.fillRect(block, QColor(157, 255, 182));
  painter.setPen(QColor(128, 128, 128));
  for (int column = 1; column < columns; ++column) {
    painter.drawLine(block.left() + column * kCell, block.top(), block.left() + column * kCell, block.bottom());
  }
  for (int row = 1; row < rows; ++row) {
    painter.drawLine(block.left(), block.top() + row * kCell, block.right(), block.top() + row * kCell);
  }
  painter.setPen(QPen(Qt::black, ungroup ? 1 : 2, ungroup ? Qt::DashLine : Qt::SolidLine));
  painter.drawRect(block);
  if (master) {
    const QPoint origin = block.topLeft() + QPoint(kCell + 1, 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolyline(QPolygon({origin + QPoint(0, 6), origin, origin + QPoint(3, 3),
                                   origin + QPoint(6, 0), origin + QPoint(6, 6)}));
  }
  return QIcon(picture);
}

QString BaseCaption(const QString& fileName) { return QFileInfo(fileName).completeBaseName(); }

}  // namespace

TfmMain::TfmMain(SettingsStore& settings, ISettingsBackend& backend, QString dataFolder,
                 QStringList files, IPrompt* prompt, IFileDialogs* dialogs)
    : settings_(settings), backend_(backend), dataFolder_(std::move(dataFolder)),
      startFiles_(std::move(files)) {
  setWindowTitle(U("Ostrel Velmorando AT"));
  setMinimumSize(400, 300);
  resize(1000, 700);
  if (!prompt) ownPrompt_ = std::make_unique<QtPrompt>(this);
  prompt_ = prompt ? prompt : ownPrompt_.get();
  if (!dialogs) ownDialogs_ = std::make_unique<QtFileDialogs>(this);
  dialogs_ = dialogs ? dialogs : ownDialogs_.get();

  mdi_ = new QMdiArea;
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
  cellInfo_ = new QDockWidget(U("Информация о ячейке"), this);
  cellInfo_->setObjectName(QStringLiteral("CellInfo"));
  cellText_ = new QPlainTextEdit;
  cellText_->setReadOnly(true);
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
  DeviceCommands::Host host{this,
                            settings_,
                            backend_,
                            *prompt_,
                            *reporter_,
                            *dialogs_,
                            *exAbout_,
                            [this](TfmGrid& window) { return SaveWindow(window, false); },
                            [this] { return LayoutsFolder(); },
                            [this] { CommandsChanged(); },
                            [this] { return PortChoiceText(); },
                            [this](const std::string& choice) {
                              backend_.WriteString("", kPortSettingName, choice);
                            },
                            [this] { return !deviceOpener_; }};
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
  const InputContext input{settings_, backend_, *prompt_, {*pause_, *click_, *keyList_}};
  cardInput_ = new TfmCardInputWnd(input, this);
  keyInput_ = new TfmKeyInputWnd(input, this);
}

TfmMain::~TfmMain() {
  // Layout windows go first: their grids still talk to this window while dying.
  for (QMdiSubWindow* sub : mdi_->subWindowList()) delete sub;
}

// ---- commands --------------------------------------------------------------------

QAction* TfmMain::AddAction(const QString& name, const char* caption, const QKeySequence& shortcut,
                            const char* hint) {
  auto* action = new QAction(U(caption), this);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  if (hint) {
    action->setToolTip(U(hint));
    action->setStatusTip(U(hint));
  }
  actions_[name] = action;
  return action;
}

QAction* TfmMain::Forward(const QString& name, TfmGrid::Command command, const char* caption,
                          const QKeySequence& shortcut, const char* hint) {
  QAction* action = AddAction(name, caption, shortcut, hint);
  connect(action, &QAction::triggered, this, [this, command] {
    if (TfmGrid* window = ActiveLayout()) window->Action(command)->trigger();
    CommandsChanged();
  });
  return action;
}

void TfmMain::BuildActions() {
  const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
  const auto shift = [](Qt::Key key) { return QKeySequence(Qt::SHIFT | key); };
  connect(AddAction("acExtNew", "Созд&ать", ctrl(Qt::Key_N)), &QAction::triggered, this,
          &TfmMain::NewFromTemplate);
  connect(AddAction("acNew", "Создать"), &QAction::triggered, this, [this] { NewLayout(); });
  connect(AddAction("acOpen", "&Oткрыть", ctrl(Qt::Key_O)), &QAction::triggered, this,
          &TfmMain::ChooseAndOpen);
  connect(AddAction("acImportMTF", "Macro Text Format"), &QAction::triggered, this, [this] {
    const QString name = dialogs_->Choose(FileDialogKind::ImportMtf, LayoutsFolder(), QString());
    if (!name.isEmpty()) ImportFile(name);
  });
  connect(AddAction("acExportMTF", "Macro Text Format"), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) ExportTo(*window, QString());
  });
  connect(AddAction("acClose", "&Закрыть"), &QAction::triggered, this, [this] {
    if (QMdiSubWindow* sub = mdi_->activeSubWindow()) sub->close();
  });
  connect(AddAction("acCloseAll", "Зак&рыть все"), &QAction::triggered, this, &TfmMain::CloseAll);
  connect(AddAction("acSave", "&Cохранить", ctrl(Qt::Key_S)), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) SaveWindow(*window, false);
  });
  connect(AddAction("acSaveAs", "Сохранить &как..."), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) SaveWindow(*window, true);
  });
  connect(AddAction("acExit", "&Выход"), &QAction::triggered, this, &QWidget::close);
  connect(AddAction("acUndo", "&Отменить", ctrl(Qt::Key_Z)), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) Undo(window->Document());
    CommandsChanged();
  });

  Forward("acCut", TfmGrid::acCut, "&Вырезать", ctrl(Qt::Key_X), "Вырезать");
  Forward("acCopy", TfmGrid::acCopy, "&Копировать", ctrl(Qt::Key_C), "Копировать");
  Forward("acPaste", TfmGrid::acPaste, "Вст&авить", ctrl(Qt::Key_V), "Вставить");
  Forward("acSpecialPaste", TfmGrid::acSpecailPaste, "Сп&ециальная вставка...", ctrl(Qt::Key_W),
          "Специальная вставка");
  Forward("acLayers", TfmGrid::acLayers, "Коп&ировать на уровень...", ctrl(Qt::Key_L));
  Forward("acClear", TfmGrid::acClear, "О&чистить", {}, "Очистить");
  connect(AddAction("acSelectAll", "В&ыделить все", ctrl(Qt::Key_A)), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) window->Grid().SelectAll();
  });
  Forward("acSelect12", TfmGrid::acSelect12, "12 (4x3)");
  Forward("acSelect32", TfmGrid::acSelect32, "32 (4x8)");
  Forward("acSelect64", TfmGrid::acSelect64, "64 (8x8)");
  Forward("acSelect105", TfmGrid::acSelect105, "105 (15x7)");
  Forward("acSelect128", TfmGrid::acSelect128, "128 (16x8)");
  const auto ctrlAlt = [](Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::ALT | key); };
  Forward("acGroup", TfmGrid::acGroup, "С&группировать", ctrlAlt(Qt::Key_G), "Сгруппировать");
  Forward("acDegroup", TfmGrid::acDegroup, "&Разгруппировать", ctrlAlt(Qt::Key_D), "Разгруппировать");
  Forward("acGroup2Hor", TfmGrid::acGroup2Hor, "&Двойная горизонтальная клавиша", {},
          "Двойная горизонтальная клавиша");
  Forward("acGroup2Ver", TfmGrid::acGroup2Ver, "Д&войная вертикальная клавиша", {},
          "Двойная вертикальная клавиша");
  Forward("acGroup4", TfmGrid::acGroup4, "&Четверная клавиша", {}, "Четверная клавиша");
  Forward("acGroupMoveMaster", TfmGrid::acGroupMoveMaster, "&Переместить мастер-клавишу", {},
          "Переместить мастер-клавишу");
  Forward("acKeyInput", TfmGrid::acKeyInput, "&Программирование клавиши", ctrl(Qt::Key_K));
  connect(AddAction("acCardInput", "Пр&ограммирование считывателя магнитных карт", ctrl(Qt::Key_R)),
          &QAction::triggered, this, &TfmMain::ShowCardInput);
  Forward("acGoto", TfmGrid::acGoto, "Пе&рейти к закладке...", ctrl(Qt::Key_G));
  // The layout window's menus label the bookmark command Ctrl+Q; both keys work.
  Forward("acMarkAdd", TfmGrid::acMarkAdd, "&Добавить/изменить", ctrl(Qt::Key_M), "Добавить закладку")
      ->setShortcuts({ctrl(Qt::Key_M), ctrl(Qt::Key_Q)});
  Forward("acMarkDelete", TfmGrid::acMarkDelete, "&Удалить");
  Forward("acNoteAdd", TfmGrid::acNoteAdd, "&Добавить/изменить", ctrl(Qt::Key_T), "Добавить примечание");
  Forward("acNoteDelete", TfmGrid::acNoteDelete, "&Удалить");
  const TfmGrid::Command layers[5] = {TfmGrid::acViewLayersAll, TfmGrid::acViewLayers0,
                                      TfmGrid::acViewLayers1, TfmGrid::acViewLayers2,
                                      TfmGrid::acViewLayers3};
  const char* layerNames[5] = {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2",
                               "acViewLayers3"};
  const char* layerCaptions[5] = {"&Все", "&0", "&1", "&2", "&3"};
  const char* layerHints[5] = {"Все уровни", "Уровень 0", "Уровень 1", "Уровень 2", "Уровень 3"};
  const Qt::Key layerKeys[5] = {Qt::Key_F5, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4};
  for (int i = 0; i < 5; ++i) {
    Forward(layerNames[i], layers[i], layerCaptions[i], shift(layerKeys[i]), layerHints[i])
        ->setCheckable(true);
  }
  Forward("acViewNormal", TfmGrid::acViewNormal, "&Нормальная", ctrl(Qt::Key_F1))->setCheckable(true);
  Forward("acViewSuper", TfmGrid::acViewSuper, "&Высокая", ctrl(Qt::Key_F2))->setCheckable(true);

  QAction* cellInfo = AddAction("acViewCellInfo", "&Информация о ячейке");
  cellInfo->setCheckable(true);
  connect(cellInfo, &QAction::toggled, this, [this](bool on) { cellInfo_->setVisible(on); });
  connect(cellInfo_, &QDockWidget::visibilityChanged, cellInfo, [this, cellInfo] {
    cellInfo->setChecked(!cellInfo_->isHidden());
  });

  connect(AddAction("acInfo", "Информ&ация", QKeySequence(Qt::Key_F3), "Информация об устройстве"),
          &QAction::triggered, this, [this] { device_->Information(); });
  connect(AddAction("acDownLoad", "&Загрузка", QKeySequence(Qt::Key_F5), "Загрузка раскладки"),
          &QAction::triggered, this, [this] {
            if (TfmGrid* window = ActiveLayout()) device_->Download(*window);
          });
  connect(AddAction("acUpload", "&Чтение", {}, "Чтение раскладки"), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) device_->Upload(*window);
  });
  connect(AddAction("acDeviceClear", "&Очистка памяти", {}, "Очистка памяти устройства"), &QAction::triggered,
          this, [this] { device_->Clear(); });
  connect(AddAction("acIBD", "&Интервал", QKeySequence(Qt::Key_F6), "Установка временного интервала"),
          &QAction::triggered, this, [this] { device_->Interval(); });
  connect(AddAction("acWindowTest", "&Тестирование"), &QAction::triggered, this, [this] { device_->ShowTest(); });
  connect(AddAction("acWindowSimulator", "&Имитатор клавиатуры", {}, "Клавиши имитатора клавиатуры"),
          &QAction::triggered, this, [this] { device_->ShowSimulator(); });
  connect(AddAction("acImage", "&Рисунок клавиш"), &QAction::triggered, this, [this] {
    if (TfmGrid* window = ActiveLayout()) device_->KeyImage(*window);
  });
  connect(AddAction("acServiceCheck", "П&роверка раскладки", ctrl(Qt::Key_F5)), &QAction::triggered,
          this, &TfmMain::CheckActiveLayout);
  connect(AddAction("acServiceSetPassword", "&Установить пароль"), &QAction::triggered, this,
          &TfmMain::SetPassword);
  connect(AddAction("acServiceClearPassword", "У&далить пароль"), &QAction::triggered, this,
          &TfmMain::ClearPassword);
  connect(AddAction("acParameters", "&Параметры"), &QAction::triggered, this, [this] {
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
  });
  connect(AddAction("acArrange", "&Расположить"), &QAction::triggered, this, [this] {
    arrangeChoice_ = arrange_->Exec();
    switch (arrangeChoice_) {
      case 0:
      case 1: {
        // Stacked top to bottom (0) or side by side (1), each window a full strip.
        const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
        const QSize area = mdi_->viewport()->size();
        const int count = static_cast<int>(subs.size());
        for (int i = 0; i < count; ++i) {
          subs[i]->showNormal();
          if (arrangeChoice_ == 0) {
            subs[i]->setGeometry(0, i * area.height() / count, area.width(), area.height() / count);
          } else {
            subs[i]->setGeometry(i * area.width() / count, 0, area.width() / count, area.height());
          }
        }
        break;
      }
      case 2: mdi_->cascadeSubWindows(); break;
      default: break;
    }
  });
  connect(AddAction("acHelp", "&Справочная система", QKeySequence(Qt::Key_F1)), &QAction::triggered,
          this, [this] { ShowHelp(this, QStringLiteral("index.html")); });
  connect(AddAction("acExAbout", "По&ддерживаемые устройства"), &QAction::triggered, this,
          [this] { exAbout_->Exec(); });
  // The maker's sites: the same address the Macro Text Format header names, and its Ukrainian page.
  connect(AddAction("acWWW", "Ostrel в &Интернете"), &QAction::triggered, this,
          [] { QDesktopServices::openUrl(QUrl(QStringLiteral("http://www.ostrel.example"))); });
  connect(AddAction("acWWWUA", "Ostrel в Интернете (&Украина)"), &QAction::triggered, this,
          [] { QDesktopServices::openUrl(QUrl(QStringLiteral("http://www.ostrel.example/ua"))); });
  connect(AddAction("acAbout", "&О программе..."), &QAction::triggered, this, [this] {
    QMessageBox::about(this, U("О программе"),
                       U("<b>Ostrel Velmorando AT</b><br>версия 2.3<br><br>Программирование "
                         "клавиатур TRV и их считывателей магнитных карт."));
  });
}

void TfmMain::BuildMenus() {
  const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (*name) menu->addAction(Action(name));
      else menu->addSeparator();
    }
  };
  QMenu* file = menuBar()->addMenu(U("&Файл"));
  add(file, {"acExtNew", "acOpen"});
  file->addMenu(U("&Импортировать"))->addAction(Action("acImportMTF"));
  file->addMenu(U("&Экспортировать"))->addAction(Action("acExportMTF"));
  add(file, {"acClose", "acCloseAll", "", "acSave", "acSaveAs", ""});
  recentMenu_ = file;
  file->addAction(Action("acExit"));

  QMenu* edit = menuBar()->addMenu(U("&Правка"));
  add(edit, {"acUndo", "", "acCut", "acCopy", "acPaste", "acSpecialPaste", "acLayers", "acClear", ""});
  QMenu* field = edit->addMenu(U("Выделит&ь поле"));
  add(field, {"acSelect12", "acSelect32", "acSelect64", "acSelect105", "acSelect128", "", "acSelectAll"});
  add(edit->addMenu(U("&Группировать")),
      {"acGroup", "acDegroup", "", "acGroup2Hor", "acGroup2Ver", "acGroup4", "", "acGroupMoveMaster"});
  add(edit, {"", "acGoto"});
  add(edit->addMenu(U("&Закладка")), {"acMarkAdd", "acMarkDelete"});
  add(edit->addMenu(U("&Примечание")), {"acNoteAdd", "acNoteDelete"});

  QMenu* view = menuBar()->addMenu(U("&Вид"));
  add(view->addMenu(U("&Отображаемые уровни")),
      {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2", "acViewLayers3"});
  toolbarMenu_ = view->addMenu(U("&Панели инструментов"));
  view->addAction(Action("acViewCellInfo"));
  add(view->addMenu(U("&Детализация")), {"acViewNormal", "acViewSuper"});

  add(menuBar()->addMenu(U("&Устройство")), {"acInfo", "acDownLoad", "acUpload", "acDeviceClear", "acIBD"});

  QMenu* service = menuBar()->addMenu(U("&Сервис"));
  add(service, {"acServiceCheck", "acImage"});
  add(service->addMenu(U("&Защита")), {"acServiceSetPassword", "acServiceClearPassword"});
  add(service, {"", "acParameters"});

  windowMenu_ = menuBar()->addMenu(U("&Окно"));
  add(windowMenu_, {"acWindowTest", "acWindowSimulator", "acKeyInput", "acCardInput", "acArrange", ""});
  connect(windowMenu_, &QMenu::aboutToShow, this, &TfmMain::RebuildWindowMenu);

  add(menuBar()->addMenu(U("&?")), {"acHelp", "acExAbout", "", "acWWW", "acWWWUA", "", "acAbout"});
}

void TfmMain::BuildToolbars() {
  struct Bar {
    const char* name;
    const char* title;
    const char* command;
    std::initializer_list<const char*> actions;
  };
  const Bar bars[] = {
      {"Standart", "Стандартная", "acViewStandart",
       {"acNew", "acOpen", "acSave", "", "acCut", "acCopy", "acPaste", "acSpecialPaste", "", "acUndo"}},
      {"Layout", "Раскладка", "acViewLayout",
       {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2", "acViewLayers3", "",
        "acViewNormal", "acViewSuper"}},
      {"Device", "Устройство", "acViewDevice",
       {"acInfo", "acDownLoad", "acUpload", "acDeviceClear", "acIBD", "", "acServiceCheck", "acParameters"}},
      {"Group", "Группирование", "acViewGroup",
       {"acGroup", "acDegroup", "", "acGroup2Hor", "acGroup2Ver", "acGroup4", "", "acGroupMoveMaster"}},
      {"Windows", "&Окна программы", "acViewWindows", {"acViewCellInfo", "acWindowTest", "acArrange"}},
  };
  const char* captions[] = {"&Стандартная", "&Раскладка", "&Устройство", "&Группирование", "&Oкна"};
  int index = 0;
  Action("acGroup")->setIcon(ShapeIcon(3, 2));
  Action("acDegroup")->setIcon(ShapeIcon(3, 2, true));
  Action("acGroup2Hor")->setIcon(ShapeIcon(2, 1));
  Action("acGroup2Ver")->setIcon(ShapeIcon(1, 2));
  Action("acGroup4")->setIcon(ShapeIcon(2, 2));
  Action("acGroupMoveMaster")->setIcon(ShapeIcon(2, 1, false, true));
  Action("acNew")->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  Action("acOpen")->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  Action("acSave")->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  for (const Bar& bar : bars) {
    // Two rows by default, so that no toolbar starts folded.
    if (bar.command == std::string("acViewDevice")) addToolBarBreak();
    QToolBar* toolbar = addToolBar(U(bar.title).remove('&'));
    toolbar->setObjectName(bar.name);
    for (const char* name : bar.actions) {
      if (*name) toolbar->addAction(Action(name));
      else toolbar->addSeparator();
    }
    QAction* toggle = toolbar->toggleViewAction();
    toggle->setText(U(captions[index++]));
    toggle->setObjectName(bar.command);
    actions_[bar.command] = toggle;
    toolbarMenu_->addAction(toggle);
    toolbars_[bar.name] = toolbar;
  }
}

void TfmMain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  const int widths[4] = {160, 110, 220, 130};
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel;
    panels_[i]->setMinimumWidth(widths[i]);
    panels_[i]->setFrameShape(QFrame::StyledPanel);
    bar->addWidget(panels_[i], i == 2 ? 1 : 0);
  }
  // The progress bar sits over the first panels at a fixed place, as files report there.
  progress_ = new QProgressBar(bar);
  progress_->setRange(0, 100);
  progress_->setTextVisible(false);
  progress_->setGeometry(170, 2, 80, 16);
  progress_->hide();
  reporter_ = std::make_unique<StatusReporter>(panels_[0], progress_);
  simulatorPanel_ = new QLabel(U("Порт: имитатор клавиатуры"));
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

QString TfmMain::StatusText(int panel) const { return panels_[panel]->text(); }

void TfmMain::CommandsChanged() {
  TfmGrid* window = ActiveLayout();
  const bool any = window != nullptr;
  for (const char* name :
       {"acExportMTF", "acClose", "acCloseAll", "acSave", "acSaveAs", "acCut", "acCopy", "acPaste",
        "acSpecialPaste", "acClear", "acSelectAll", "acSelect12", "acSelect32", "acSelect64",
        "acSelect105", "acSelect128", "acGroup", "acDegroup", "acGroup2Hor", "acGroup2Ver", "acGroup4",
        "acGoto", "acMarkAdd", "acMarkDelete", "acNoteAdd", "acNoteDelete", "acViewLayersAll",
        "acViewLayers0", "acViewLayers1", "acViewLayers2", "acViewLayers3", "acViewNormal",
        "acViewSuper", "acServiceCheck", "acServiceSetPassword", "acServiceClearPassword", "acDownLoad",
        "acUpload", "acImage", "acArrange", "acKeyInput", "acCardInput"}) {
    Action(name)->setEnabled(any);
  }
  Action("acLayers")->setEnabled(any && window->Grid().ShownLayer() != kAllLayers);
  QAction* undo = Action("acUndo");
  undo->setEnabled(any && window->Document().UndoAvailable);
  if (any && window->Document().UndoAvailable) {
    undo->setText(QString::fromStdString(UndoCaption(window->Document())));
    undo->setToolTip(QString::fromStdString(UndoHint(window->Document())));
  } else {
    undo->setText(U("&Отменить"));
  }
  Action("acGroupMoveMaster")->setEnabled(any && window->Action(TfmGrid::acGroupMoveMaster)->isEnabled());
  if (any) {
    for (const char* name : {"acViewLayersAll", "acViewLayers0", "acViewLayers1", "acViewLayers2",
                             "acViewLayers3"}) {
      const int layer = name == std::string("acViewLayersAll") ? kAllLayers : name[12] - '0';
      Action(name)->setChecked(window->Grid().ShownLayer() == layer);
    }
    Action("acViewNormal")->setChecked(window->Grid().ViewMode() == 0);
    Action("acViewSuper")->setChecked(window->Grid().ViewMode() == 1);
  }
  if (panels_[0]->text() != U("не сохранена (сохранение отложено)") || !any ||
      !window->Document().Modified) {
    panels_[0]->setText(any && window->Document().Modified ? U("не сохранена") : QString());
  }
  panels_[3]->setText(any && !window->Document().Password.empty() ? U("защищена паролем") : QString());
}

void TfmMain::SetPositionTexts(const QString& position, const QString& move) {
  if (!position.isNull()) panels_[1]->setText(position);
  panels_[2]->setText(move);
}

void TfmMain::ShowCellInformation(int column, int row) {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  cellInfo_->setWindowTitle(QString::asprintf("Клавиша (%d,%d)", column, row));
  const auto language = KeyLanguageFromSetting(settings_.Get(Setting::Layout));
  cellText_->setPlainText(
      QString::fromStdString(CellInformation(window->Document(), column, row, language)));
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
  return U("Раскладка") + QString::number(documentCounter_);
}

QString TfmMain::LayoutsFolder() const { return QString::fromStdString(settings_.LayoutsPath()); }

TfmGrid* TfmMain::AddLayoutWindow(std::unique_ptr<TVL2Document> document, const QString& caption) {
  auto* window = new TfmGrid(std::move(document), *this);
  window->SetCaption(caption);
  QMdiSubWindow* sub = mdi_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // Each new window steps 25 pixels down and right and fills the rest of the area.
  const int offset = static_cast<int>(LayoutWindows().size()) * 25;
  const QSize area = mdi_->viewport()->size();
  int width = area.width() - 4;
  int height = area.height() - 23;
  int left = offset;
  int top = offset;
  if (width < kMinimumLayoutSize) {
    width = kMinimumLayoutSize;
    left = std::max(0, area.width() - 4 - width);
  }
  if (height < kMinimumLayoutSize) {
    height = kMinimumLayoutSize;
    top = std::max(0, area.height() - 4 - height);
  }
  sub->setGeometry(left, top, width, height);
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
  QStringList names;
  for (const TemplateEntry& entry : templates) names << QString::fromStdString(Cp1251ToUtf8(entry.Name));
  const int chosen = templateChoice_->Exec(names);
  if (chosen < 0) return;
  auto layout = NewLayoutFromTemplate(dataFolder_.toStdString(),
                                           templates[static_cast<size_t>(chosen)].File, *prompt_,
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
  panels_[1]->clear();
  cellText_->clear();
  cellInfo_->setWindowTitle(U("Информация о ячейке"));
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
  const QString name = dialogs_->Choose(FileDialogKind::OpenLayout, LayoutsFolder(), QString());
  if (!name.isEmpty()) OpenFile(name);
}

void TfmMain::OpenFile(const QString& fileName, bool recent) {
  const QString upper = QFileInfo(fileName).absoluteFilePath().toUpper();
  for (TfmGrid* window : LayoutWindows()) {
    const QString open = QString::fromStdString(window->Document().FileName);
    if (open.isEmpty() || QFileInfo(open).absoluteFilePath().toUpper() != upper) continue;
    if (!window->Document().Modified && !recent) return;
    const std::string question = "Файл " + fileName.toUpper().toStdString() +
                                 " уже открыт. Вернуться к сохраненному файлу?";
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
    prompt_->Message(WithFileName("Ошибка чтения из файла.", fileName.toStdString()), kCaptionError,
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
  document.Busy = true;
  QString name = fileName;
  if (name.isEmpty()) name = dialogs_->Choose(FileDialogKind::ExportMtf, LayoutsFolder(), window.Caption());
  bool written = false;
  if (!name.isEmpty()) {
    try {
      ExportMtf(document, name.toStdString(), settings_, *reporter_);
      written = true;
    } catch (const FileError& error) {
      prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
    }
  }
  document.Busy = false;
  return written;
}

bool TfmMain::SaveWindow(TfmGrid& window, bool saveAs) {
  TVL2Document& document = window.Document();
  if (!saveAs && !document.Modified && document.Named) return true;
  document.Busy = true;
  QString name = QString::fromStdString(document.FileName);
  if (!document.Named || saveAs || name.isEmpty()) {
    name = dialogs_->Choose(FileDialogKind::SaveLayout, LayoutsFolder(), window.Caption());
    if (name.isEmpty()) {
      document.Busy = false;
      return false;
    }
  }
  try {
    SaveLayout(document, name.toStdString(), settings_, *reporter_);
  } catch (const FileError& error) {
    document.Busy = false;
    prompt_->Message(error.what(), kCaptionError, MessageIcon::Error);
    return false;
  }
  window.SetCaption(BaseCaption(name));
  document.Busy = false;
  CommandsChanged();
  return true;
}

void TfmMain::CheckActiveLayout() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  const auto remarks = CheckLayout(window->Document(), {1, 1, kFieldSize, kFieldSize},
                                   settings_.LayerCountValue());
  window->ShowCheckRemarks(remarks);
  if (remarks.empty()) {
    prompt_->Message("Проверка окончена. Замечаний нет.", kCaptionInformation, MessageIcon::Information);
  }
}

void TfmMain::SetPassword() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  const QString title = "(" + window->Caption() + ")";
  const QString prompt = U("Введите пароль для открытия раскладки");
  const QString first = textEntry_->Exec(title, prompt, QString(), kMaxPasswordLength, true);
  if (first.isEmpty()) return;
  const QString second = textEntry_->Exec(title, U("Повторите пароль"), QString(), kMaxPasswordLength, true);
  if (second.isEmpty()) return;
  const auto password = Utf8ToCp1251(first.toStdString());
  if (second != first || !password) {
    prompt_->Message("При подтверждении введен неверный пароль.", kCaptionError, MessageIcon::Error);
    return;
  }
  window->Document().SetPassword(*password);
  CommandsChanged();
}

void TfmMain::ClearPassword() {
  TfmGrid* window = ActiveLayout();
  if (!window) return;
  if (window->Document().Password.empty()) {
    prompt_->Message("Пароль не установлен.", kCaptionInformation, MessageIcon::Information);
    return;
  }
  window->Document().SetPassword({});
  CommandsChanged();
  prompt_->Message("Пароль для чтения удален.", kCaptionInformation, MessageIcon::Information);
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
    panels_[0]->setText(U("не сохранена (сохранение отложено)"));
    return;
  }
  SaveWindow(*window, false);
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
