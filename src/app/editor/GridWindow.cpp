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
#include "app/mtf/SpecialPasteDialog.h"
#include "core/catalogue/StandardFields.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/GroupOps.h"
#include "core/document/KeyNoteOps.h"
#include "core/document/LayerOps.h"
#include "core/document/LayerSetters.h"
#include "core/document/Undo.h"
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
  // The enable rules follow the selection and the groups under it; the main
  // window mirrors them.
  for (auto signal : {&TVL2Grid::DocumentChanged, &TVL2Grid::SelectionChanged}) {
    connect(grid_, signal, this, [this] {
      RefreshCommands();
      host_.CommandsChanged();
    });
  }
  connect(grid_, &TVL2Grid::KeyDoubleClicked, Action(acKeyInput), &QAction::trigger);
  connect(grid_, &TVL2Grid::CopyRequested, Action(acCopy), &QAction::trigger);
  connect(grid_, &TVL2Grid::PasteRequested, Action(acPaste), &QAction::trigger);
  connect(grid_, &TVL2Grid::ClearRequested, Action(acClear), &QAction::trigger);
  // Activation is the double-click, and Enter on the current remark.
  connect(lbCheck_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { JumpToRemark(lbCheck_->row(item)); });
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
  const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
  const auto ctrlAlt = [](Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::ALT | key); };
  connect(AddAction(acCut, "&Вырезать", ctrl(Qt::Key_X)), &QAction::triggered, this,
          [this] { ApplyClipboard(true); });
  connect(AddAction(acCopy, "&Копировать", ctrl(Qt::Key_C)), &QAction::triggered, this,
          [this] { ApplyClipboard(false); });
  connect(AddAction(acPaste, "Вст&авить", ctrl(Qt::Key_V)), &QAction::triggered, this, [this, &prompt] {
    Paste(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
  });
  connect(AddAction(acSpecailPaste, "Сп&ециальная вставка...", ctrl(Qt::Key_W)), &QAction::triggered,
          this, &TfmGrid::SpecialPaste);
  connect(AddAction(acClear, "О&чистить", QKeySequence(Qt::Key_Delete)), &QAction::triggered, this,
          [this] { Clear(Document(), grid_->Selection(), grid_->ShownLayer()); });
  connect(AddAction(acNoteAdd, "&Добавить/изменить", ctrl(Qt::Key_T)), &QAction::triggered, this,
          &TfmGrid::EditNote);
  connect(AddAction(acNoteDelete, "&Удалить"), &QAction::triggered, this,
          [this] { SetKeyNote(Document(), grid_->Selection(), std::string()); });
  connect(AddAction(acMarkAdd, "&Добавить/изменить", ctrl(Qt::Key_Q)), &QAction::triggered, this,
          &TfmGrid::EditMark);
  connect(AddAction(acMarkDelete, "&Удалить"), &QAction::triggered, this,
          [this] { DeleteMarks(Document(), grid_->Selection()); });
  connect(AddAction(acGoto, "Пе&рейти к закладке", ctrl(Qt::Key_G)), &QAction::triggered, this,
          &TfmGrid::GoToBookmark);
  connect(AddAction(acLayers, "К&опировать на уровень..."), &QAction::triggered, this,
          &TfmGrid::CopyLayers);
  connect(AddAction(acKeyInput, "Про&граммировать клавишу", ctrl(Qt::Key_K)), &QAction::triggered,
          this, [this] { host_.ShowKeyInput(*this); });
  connect(AddAction(acKeyInfo, "И&нформация о клавише"), &QAction::triggered, this, [this] {
    host_.ShowKeyInformation(grid_->Selection().Left, grid_->Selection().Top);
  });
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
  // The field-size commands by the type code of their field.
  const std::map<int, Command> fieldCommands = {
      {7, acSelect12}, {6, acSelect32}, {1, acSelect64}, {4, acSelect105}, {3, acSelect128}};
  for (const StandardField& field : StandardFields()) {
    connect(AddAction(fieldCommands.at(field.TypeCode), field.Caption), &QAction::triggered, this,
            [this, field] {
              const TRect& selection = grid_->Selection();
              const TRect block = MarkField(Document(), selection.Left, selection.Top, field.Columns,
                                            field.Rows, Utf8ToCp1251Lossy(field.Description));
              grid_->Select(block.Left, block.Top, block.Right, block.Bottom);
            });
  }
  QAction* properties = AddAction(acPropertyes, "Сво&йства загружаемой раскладки", ctrl(Qt::Key_B));
  // No main window command carries Ctrl+B, so the layout window answers it itself.
  properties->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(properties);
  connect(properties, &QAction::triggered, this,
          [this] { host_.ShowParameters(TfmParameters::kPageDevice); });
  connect(AddAction(acHide, "&Погасить"), &QAction::triggered, this, [this] {
    for (QWidget* child : findChildren<QWidget*>()) {
      if (child->property("tag").toInt() == kCheckPanelTag && child != splitter_) child->hide();
    }
  });

  connect(AddAction(acGroup, "С&группировать", ctrlAlt(Qt::Key_G)), &QAction::triggered, this,
          [this] { GroupRect(grid_->Selection(), "Группирование невозможно."); });
  connect(AddAction(acDegroup, "&Разгруппировать", ctrlAlt(Qt::Key_D)), &QAction::triggered, this,
          [this] { Ungroup(Document(), grid_->Selection()); });
  // The fixed shapes grow right and down from the selected key; at the field's
  // edge there is no room and nothing happens.
  struct Shape {
    Command command;
    const char* caption;
    int columns;
    int rows;
  };
  const Shape shapes[3] = {{acGroup2Hor, "&Двойная горизонтальная клавиша", 2, 1},
                           {acGroup2Ver, "Д&войная вертикальная клавиша", 1, 2},
                           {acGroup4, "&Четверная клавиша", 2, 2}};
  for (const Shape& shape : shapes) {
    connect(AddAction(shape.command, shape.caption), &QAction::triggered, this, [this, shape] {
      const TRect& selection = grid_->Selection();
      const TRect rect{selection.Left, selection.Top, selection.Left + shape.columns - 1,
                       selection.Top + shape.rows - 1};
      if (rect.Right > kFieldSize || rect.Bottom > kFieldSize) return;
      GroupRect(rect, "Пересечение групп. Группирование невозможно.");
    });
  }
  QAction* master = AddAction(acGroupMoveMaster, "&Переместить мастер-клавишу");
  connect(master, &QAction::triggered, this, [this] {
    const TRect& selection = grid_->Selection();
    Document().SetMaster(selection.Left, selection.Top);
  });
  for (Command command : {acGroup, acDegroup, acGroup2Hor, acGroup2Ver, acGroup4, acGroupMoveMaster}) {
    Action(command)->setToolTip(Action(command)->text().remove('&'));
  }
}

void TfmGrid::BuildMenus() {
  const auto addSubmenu = [this](QMenu* menu, const char* title, std::initializer_list<Command> commands) {
    QMenu* submenu = menu->addMenu(U(title));
    for (Command command : commands) submenu->addAction(Action(command));
    return submenu;
  };
  const std::initializer_list<Command> layers = {acViewLayersAll, acViewLayers0, acViewLayers1,
                                                 acViewLayers2, acViewLayers3};
  pmKey_ = new QMenu(this);
  pmKey_->addAction(Action(acKeyInput));
  pmKey_->addAction(Action(acKeyInfo));
  pmKey_->addSeparator();
  for (Command command : {acCut, acCopy, acPaste, acSpecailPaste}) pmKey_->addAction(Action(command));
  addSubmenu(pmKey_, "Ото&бражаемые уровни", layers);
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acClear));
  pmKey_->addAction(Action(acLayers));
  pmKey_->addSeparator();
  QMenu* group = addSubmenu(pmKey_, "&Группировать", {acGroup, acDegroup});
  group->addSeparator();
  for (Command command : {acGroup2Hor, acGroup2Ver, acGroup4}) group->addAction(Action(command));
  group->addSeparator();
  group->addAction(Action(acGroupMoveMaster));
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acGoto));
  pmKey_->addSeparator();
  addSubmenu(pmKey_, "&Примечание", {acNoteAdd, acNoteDelete});
  addSubmenu(pmKey_, "&Закладка", {acMarkAdd, acMarkDelete});
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acPropertyes));

  pmColumn_ = new QMenu(this);
  pmColumn_->addAction(Action(acColAdd));
  pmColumn_->addAction(Action(acColDelete));
  pmRow_ = new QMenu(this);
  pmRow_->addAction(Action(acRowAdd));
  pmRow_->addAction(Action(acRowDelete));

  pmView_ = new QMenu(this);
  pmView_->addAction(Action(acKeyInfo));
  pmView_->addSeparator();
  addSubmenu(pmView_, "&Отображаемые уровни", layers);
  addSubmenu(pmView_, "Выделит&ь поле", {acSelect12, acSelect32, acSelect64, acSelect105, acSelect128});
  pmView_->addAction(Action(acGoto));
  addSubmenu(pmView_, "&Детализация", {acViewNormal, acViewSuper});
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
  Action(acLayers)->setEnabled(layer != kAllLayers);
  const TRect& selection = grid_->Selection();
  const bool one = selection.Width() == 1 && selection.Height() == 1;
  for (Command command : {acGroup2Hor, acGroup2Ver, acGroup4}) Action(command)->setEnabled(one);
  Action(acGroupMoveMaster)
      ->setEnabled(one && Document().GetGroup(selection.Left, selection.Top).IsGrouped());
}

void TfmGrid::ApplyClipboard(bool cut) {
  IPrompt& prompt = host_.Prompt();
  if (cut) Cut(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
  else Copy(Document(), host_.KeyClipboard(), grid_->Selection(), grid_->ShownLayer(), prompt);
  host_.CommandsChanged();
}

void TfmGrid::SpecialPaste() {
  const auto chosen = host_.SpecialPasteDialog().Exec();
  if (!chosen) return;
  TVL2Document& document = Document();
  const TRect& selection = grid_->Selection();
  const int layer = grid_->ShownLayer();
  SetSequence(document, selection, layer, SequenceKind::Press, chosen->Press);
  SetSequence(document, selection, layer, SequenceKind::Release, chosen->Release);
  SetLayerNote(document, selection, layer, chosen->Note);
  // The setters leave a key they emptied free; autorepeat makes every selected
  // key a macro key again, as the definition asks.
  SetAutoRepeat(document, selection, layer, 1);
}

std::string TfmGrid::AskText(const char* caption, const std::string& initial, size_t maxLength) {
  const QString text = host_.TextEntry().Exec(U(caption), QString(),
                                              QString::fromStdString(Cp1251ToUtf8(initial)),
                                              static_cast<int>(maxLength));
  // The entry line takes only what code page 1251 holds, so nothing is lost here.
  return Utf8ToCp1251Lossy(text.toStdString());
}

void TfmGrid::EditNote() {
  const std::string text = AskText("Примечание", grid_->Summary().Note.KeyNote, kMaxKeyNoteLength);
  if (!text.empty()) SetKeyNote(Document(), grid_->Selection(), text);
}

void TfmGrid::EditMark() {
  const std::string name = AskText("Закладка", grid_->Summary().Note.Mark, kMaxMarkLength);
  if (name.empty()) return;
  const TRect& selection = grid_->Selection();
  const TKeyNote* note = Document().GetNote(selection.Left, selection.Top);
  if (note && note->Mark == name) return;  // the key's own name, confirmed unchanged
  if (!grid_->IsMarkFree(name)) {
    host_.Prompt().Message("Закладка [" + Cp1251ToUtf8(name) + "] в активном окне дублируется.",
                           kCaptionError, MessageIcon::Error);
    return;
  }
  // A bookmark names one place: it goes to the selection's top-left key.
  SetMark(Document(), selection.Left, selection.Top, name);
}

void TfmGrid::CopyLayers() {
  const int layer = grid_->ShownLayer();
  if (layer == kAllLayers) return;
  SaveUndo(Document(), kUndoCopyToLayers);
  const auto choice = host_.CopyToLayersDialog().Exec(layer);
  if (choice) CopyToLayers(Document(), grid_->Selection(), layer, choice->Targets, choice->DeleteFromSource);
  host_.CommandsChanged();
}

void TfmGrid::GroupRect(const TRect& rect, const char* refusal) {
  if (!IsBlockUngrouped(Document(), rect)) {
    host_.Prompt().Message(refusal, kCaptionError, MessageIcon::Error);
    return;
  }
  Document().MakeGroup(rect);
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

void TfmGrid::JumpToRemark(int index) {
  if (index < 0 || index >= static_cast<int>(remarks_.size())) return;
  const CheckRemark& remark = remarks_[static_cast<size_t>(index)];
  if (!remark.Column || !remark.Row) return;  // a remark about a layer has no key
  grid_->Select(*remark.Column, *remark.Row, *remark.Column, *remark.Row);
  grid_->GoToCell(*remark.Column, *remark.Row);
  grid_->setFocus();
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
