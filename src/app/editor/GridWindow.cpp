#include "app/editor/GridWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/editor/ParametersDialog.h"
#include "app/editor/SmallDialogs.h"
#include "app/editor/VL2Grid.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// Children that belong to the check panel carry this tag, so that hiding the
// panel finds them all.
constexpr int kCheckPanelTag = 100;

}  // namespace

TfmGrid::TfmGrid(std::unique_ptr<TVL2Document> document, ILayoutHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
  grid_ = new TVL2Grid(std::move(document), host.Settings(), host.Prompt());
  lbCheck_ = new QListWidget;
  lbCheck_->setProperty("tag", kCheckPanelTag);
  lbCheck_->setMinimumHeight(30);
  splitter_ = new QSplitter(Qt::Vertical);
  splitter_->setProperty("tag", kCheckPanelTag);
  splitter_->setHandleWidth(2);
  splitter_->addWidget(grid_);
  splitter_->addWidget(lbCheck_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setSizes({400, 40});
  lbCheck_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter_);

  BuildActions();
  BuildMenus();
  grid_->SetMenus({pmKey_, pmColumn_, pmRow_, pmView_});

  connect(grid_, &TVL2Grid::PositionChanged, this,
          [this](const QString& position, const QString&) {
            positionShown_ = position;
            host_.SetPositionTexts(position, QString());
          });
  connect(grid_, &TVL2Grid::MoveTextChanged, this,
          [this](const QString& text) { host_.SetPositionTexts(QString(), text); });
  connect(grid_, &TVL2Grid::CellHovered, this,
          [this](int column, int row) { host_.ShowCellInformation(column, row); });
  connect(grid_, &TVL2Grid::DocumentChanged, this, [this] { host_.CommandsChanged(); });
  connect(grid_, &TVL2Grid::SelectionChanged, this, [this] { RefreshCommands(); });
  connect(grid_, &TVL2Grid::CopyRequested, Action(acCopy), &QAction::trigger);
  connect(grid_, &TVL2Grid::PasteRequested, Action(acPaste), &QAction::trigger);
  connect(grid_, &TVL2Grid::ClearRequested, Action(acClear), &QAction::trigger);
  connect(lbCheck_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const CheckRemark& remark = remarks_.at(static_cast<size_t>(lbCheck_->row(item)));
    if (!remark.Column || !remark.Row) return;
    grid_->Select(*remark.Column, *remark.Row, *remark.Column, *remark.Row);
    grid_->GoToCell(*remark.Column, *remark.Row);
    grid_->setFocus();
  });
  host_.SetPositionTexts(positionShown_, QString());
  RefreshCommands();
}

TfmGrid::~TfmGrid() = default;

TVL2Document& TfmGrid::Document() const { return grid_->Document(); }

QAction* TfmGrid::AddAction(Command command, const char* caption, const QKeySequence& shortcut) {
  auto* action = new QAction(U(caption), this);
  // The main window carries the working shortcuts; here they only label the menus.
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WidgetShortcut);
  actions_[command] = action;
  return action;
}

void TfmGrid::BuildActions() {
  IPrompt& prompt = host_.Prompt();
  connect(AddAction(acCut, "&Вырезать", QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered,
          this, [this] { ApplyClipboard(true); });
  connect(AddAction(acCopy, "&Копировать", QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
          this, [this] { ApplyClipboard(false); });
  connect(AddAction(acPaste, "Вст&авить", QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered,
          this, [this, &prompt] {
            Paste(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
          });
  connect(AddAction(acClear, "О&чистить", QKeySequence(Qt::Key_Delete)), &QAction::triggered, this,
          [this] { Clear(Document(), grid_->Selection(), grid_->ShownLayer()); });
  connect(AddAction(acGoto, "Пе&рейти к закладке", QKeySequence(Qt::CTRL | Qt::Key_G)),
          &QAction::triggered, this, &TfmGrid::GoToBookmark);
  connect(AddAction(acColAdd, "&Добавить"), &QAction::triggered, this, [this, &prompt] {
    InsertColumns(Document(), grid_->Selection(), grid_->ShownLayer(), prompt);
  });
  connect(AddAction(acColDelete, "&Удалить"), &QAction::triggered, this,
          [this] { DeleteColumns(Document(), grid_->Selection(), grid_->ShownLayer()); });
  connect(AddAction(acRowAdd, "&Добавить"), &QAction::triggered, this, [this, &prompt] {
    InsertRows(Document(), grid_->Selection(), grid_->ShownLayer(), prompt);
  });
  connect(AddAction(acRowDelete, "&Удалить"), &QAction::triggered, this,
          [this] { DeleteRows(Document(), grid_->Selection(), grid_->ShownLayer()); });

  const Command layerCommands[5] = {acViewLayers0, acViewLayers1, acViewLayers2, acViewLayers3,
                                    acViewLayersAll};
  const char* layerCaptions[5] = {"&0", "&1", "&2", "&3", "&Все"};
  for (int layer = 0; layer <= kAllLayers; ++layer) {
    const QKeySequence key(Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_F1 + layer));
    QAction* action = AddAction(layerCommands[layer], layerCaptions[layer], key);
    action->setCheckable(true);
    action->setData(layer);
    connect(action, &QAction::triggered, this, [this, layer] {
      grid_->SetShownLayer(layer);
      RefreshCommands();
      host_.CommandsChanged();
    });
  }
  const Command viewCommands[2] = {acViewNormal, acViewSuper};
  const char* viewCaptions[2] = {"&Нормальная", "&Высокая"};
  for (int mode = 0; mode < 2; ++mode) {
    QAction* action = AddAction(viewCommands[mode], viewCaptions[mode],
                                QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + mode)));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, mode] {
      grid_->SetViewMode(mode);
      host_.Settings().SetViewMode(static_cast<uint8_t>(mode));
      RefreshCommands();
      host_.CommandsChanged();
    });
  }
  struct FieldSize {
    Command command;
    const char* caption;
    int columns;
    int rows;
  };
  const FieldSize sizes[5] = {{acSelect12, "12 (4x3)", 4, 3},
                              {acSelect32, "32 (4x8)", 4, 8},
                              {acSelect64, "64 (8x8)", 8, 8},
                              {acSelect105, "105 (15x7)", 15, 7},
                              {acSelect128, "128 (16x8)", 16, 8}};
  for (const FieldSize& size : sizes) {
    connect(AddAction(size.command, size.caption), &QAction::triggered, this,
            [this, size] { MarkField(size.columns, size.rows); });
  }
  connect(AddAction(acPropertyes, "Сво&йства загружаемой раскладки", QKeySequence(Qt::CTRL | Qt::Key_B)),
          &QAction::triggered, this, [this] { host_.ShowParameters(TfmParameters::kPageDevice); });
  connect(AddAction(acHide, "&Погасить"), &QAction::triggered, this, [this] {
    for (QWidget* child : findChildren<QWidget*>()) {
      if (child->property("tag").toInt() == kCheckPanelTag && child != splitter_) child->hide();
    }
  });
  QAction* master = AddAction(acGroupMoveMaster, "&Переместить мастер-клавишу");
  master->setToolTip(master->text().remove('&'));
  connect(master, &QAction::triggered, this, [this] {
    const TRect& selection = grid_->Selection();
    Document().SetMaster(selection.Left, selection.Top);
  });
}

void TfmGrid::BuildMenus() {
  pmKey_ = new QMenu(this);
  pmKey_->addAction(Action(acCut));
  pmKey_->addAction(Action(acCopy));
  pmKey_->addAction(Action(acPaste));
  QMenu* layers = pmKey_->addMenu(U("Ото&бражаемые уровни"));
  for (Command c : {acViewLayersAll, acViewLayers0, acViewLayers1, acViewLayers2, acViewLayers3}) {
    layers->addAction(Action(c));
  }
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acClear));
  pmKey_->addSeparator();
  QMenu* group = pmKey_->addMenu(U("&Группировать"));
  group->addAction(Action(acGroupMoveMaster));
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acGoto));
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acPropertyes));

  pmColumn_ = new QMenu(this);
  pmColumn_->addAction(Action(acColAdd));
  pmColumn_->addAction(Action(acColDelete));
  pmRow_ = new QMenu(this);
  pmRow_->addAction(Action(acRowAdd));
  pmRow_->addAction(Action(acRowDelete));

  pmView_ = new QMenu(this);
  QMenu* viewLayers = pmView_->addMenu(U("&Отображаемые уровни"));
  for (Command c : {acViewLayersAll, acViewLayers0, acViewLayers1, acViewLayers2, acViewLayers3}) {
    viewLayers->addAction(Action(c));
  }
  QMenu* field = pmView_->addMenu(U("Выделит&ь поле"));
  for (Command c : {acSelect12, acSelect32, acSelect64, acSelect105, acSelect128}) {
    field->addAction(Action(c));
  }
  pmView_->addAction(Action(acGoto));
  QMenu* detail = pmView_->addMenu(U("&Детализация"));
  detail->addAction(Action(acViewNormal));
  detail->addAction(Action(acViewSuper));
  pmView_->addSeparator();
  pmView_->addAction(Action(acPropertyes));

  pmHide_ = new QMenu(lbCheck_);
  QAction* hide = pmHide_->addAction(U("&Спрятать"));
  connect(hide, &QAction::triggered, Action(acHide), &QAction::trigger);
  lbCheck_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lbCheck_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& point) { pmHide_->popup(lbCheck_->mapToGlobal(point)); });
}

void TfmGrid::RefreshCommands() {
  const int layer = grid_->ShownLayer();
  const Command layerCommands[5] = {acViewLayers0, acViewLayers1, acViewLayers2, acViewLayers3,
                                    acViewLayersAll};
  for (int i = 0; i <= kAllLayers; ++i) Action(layerCommands[i])->setChecked(i == layer);
  Action(acViewNormal)->setChecked(grid_->ViewMode() == 0);
  Action(acViewSuper)->setChecked(grid_->ViewMode() == 1);
  const TRect& selection = grid_->Selection();
  const bool one = selection.Width() == 1 && selection.Height() == 1;
  Action(acGroupMoveMaster)
      ->setEnabled(one && Document().GetGroup(selection.Left, selection.Top).IsGrouped());
}

void TfmGrid::ApplyClipboard(bool cut) {
  IPrompt& prompt = host_.Prompt();
  if (cut) Cut(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
  else Copy(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
  host_.CommandsChanged();
}

void TfmGrid::MarkField(int columns, int rows) {
  const TRect& selection = grid_->Selection();
  grid_->Select(selection.Left, selection.Top, selection.Left + columns - 1, selection.Top + rows - 1);
}

void TfmGrid::GoToBookmark() {
  QStringList names;
  for (const std::string& name : grid_->MarkNames()) names << QString::fromStdString(Cp1251ToUtf8(name));
  if (names.isEmpty()) {
    host_.Prompt().Message("Активное окно не содержит закладок.", kCaptionAttention,
                           MessageIcon::Information);
    return;
  }
  const QString chosen = host_.GotoBookmark().Exec(names);
  if (chosen.isEmpty()) return;
  grid_->GoToMark(Utf8ToCp1251Lossy(chosen.toStdString()));
}

void TfmGrid::SetCaption(const QString& caption) { setWindowTitle(caption); }

void TfmGrid::ShowCheckRemarks(const std::vector<CheckRemark>& remarks) {
  remarks_ = remarks;
  lbCheck_->clear();
  for (const CheckRemark& remark : remarks) lbCheck_->addItem(QString::fromStdString(remark.Line()));
  lbCheck_->setVisible(!remarks.empty());
}

bool TfmGrid::CheckPanelVisible() const { return !lbCheck_->isHidden(); }

bool TfmGrid::QueryClose() {
  if (!Document().Modified) return true;
  const std::string text = "Раскладка [" + Caption().toStdString() + "] была изменена. Сохранить?";
  switch (host_.Prompt().Ask(text, kCaptionAttention, MessageButtons::YesNoCancel, MessageIcon::Question)) {
    case Answer::No: return true;
    case Answer::Yes:
      if (host_.SaveWindow(*this, false)) return true;
      break;
    default: break;
  }
  host_.SetCloseCancelled();
  return false;
}

void TfmGrid::closeEvent(QCloseEvent* event) {
  if (!QueryClose()) {
    event->ignore();
    return;
  }
  host_.WindowClosing(*this);
  event->accept();
}

}  // namespace vl
