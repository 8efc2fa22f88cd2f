#include "app/editor/GridWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/catalogue/SpecialPasteDialog.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/editor/ParametersDialog.h"
#include "app/common/TextEntryDialog.h"
#include "app/common/WaitCursor.h"
#include "app/editor/VL2Grid.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/catalogue/StandardFields.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/GroupOps.h"
#include "core/document/KeyNoteOps.h"
#include "core/document/LayerOps.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

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
  grid_->setAccessibleName(tr("Раскладка"));
  lbCheck_->setAccessibleName(tr("Результаты проверки"));
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

void TfmGrid::BuildActions() {
  for (const CommandRow& row : Commands()) {
    if (row.Place == CommandPlace::Main || !row.Grid) continue;
    auto* action = new QAction(CommandText(row.LayoutCaption ? row.LayoutCaption : row.Caption), this);
    action->setObjectName(QString::fromUtf8(row.Name));
    action->setShortcut(row.LayoutShortcut.value_or(row.Shortcut));
    action->setCheckable(row.Check != CheckRule::None);
    action->setData(row.Data);
    if (row.Hint) action->setToolTip(CommandText(row.Hint));
    if (row.Place == CommandPlace::Both || row.Shortcut.isEmpty()) {
      // The main window carries the working shortcuts; here they only label the menus.
      action->setShortcutContext(Qt::WidgetShortcut);
    } else {
      // No main window command carries this key, so the layout window answers it itself.
      action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, &row] { Run(row); });
    actions_[*row.Grid] = action;
  }
}

void TfmGrid::Run(const CommandRow& row) {
  IPrompt& prompt = host_.Prompt();
  TVL2Document& document = Document();
  const TRect& selection = grid_->Selection();
  const int layer = grid_->ShownLayer();
  switch (*row.Grid) {
    case acCut: ApplyClipboard(true); break;
    case acCopy: ApplyClipboard(false); break;
    case acPaste: Paste(document, host_.KeyClipboard(), selection, layer, prompt); break;
    case acSpecialPaste: SpecialPaste(); break;
    case acClear: Clear(document, selection, layer); break;
    case acNoteAdd: EditNote(); break;
    case acNoteDelete: SetKeyNote(document, selection, std::string()); break;
    case acMarkAdd: EditMark(); break;
    case acMarkDelete: DeleteMarks(document, selection); break;
    case acGoto: GoToBookmark(); break;
    case acLayers: CopyLayers(); break;
    case acKeyInfo: host_.ShowKeyInformation(selection.Left, selection.Top); break;
    case acKeyInput: host_.ShowKeyInput(*this); break;
    case acColAdd: InsertColumns(document, selection, layer, prompt); break;
    case acColDelete: DeleteColumns(document, selection, layer); break;
    case acRowAdd: InsertRows(document, selection, layer, prompt); break;
    case acRowDelete: DeleteRows(document, selection, layer); break;
    case acViewLayersAll:
    case acViewLayers0:
    case acViewLayers1:
    case acViewLayers2:
    case acViewLayers3:
      grid_->SetShownLayer(row.Data);
      RefreshCommands();
      host_.CommandsChanged();
      break;
    case acViewNormal:
    case acViewSuper:
      grid_->SetViewMode(row.Data);
      host_.Settings().SetViewMode(static_cast<uint8_t>(row.Data));
      RefreshCommands();
      host_.CommandsChanged();
      break;
    case acSelect12:
    case acSelect32:
    case acSelect64:
    case acSelect105:
    case acSelect128:
      for (const StandardField& field : StandardFields()) {
        if (field.TypeCode != row.Data) continue;
        const TRect block = MarkField(document, selection.Left, selection.Top, field.Columns,
                                      field.Rows, Utf8ToCp1251Lossy(field.Description));
        grid_->Select(block.Left, block.Top, block.Right, block.Bottom);
      }
      break;
    case acProperties: host_.ShowParameters(TfmParameters::kPageDevice); break;
    case acHide:
      for (QWidget* child : findChildren<QWidget*>()) {
        if (child->property("tag").toInt() == kCheckPanelTag && child != splitter_) child->hide();
      }
      break;
    case acGroup: GroupRect(selection, QT_TR_NOOP("Группирование невозможно.")); break;
    case acDegroup: Ungroup(document, selection); break;
    case acGroup2Hor: GroupShape(2, 1); break;
    case acGroup2Ver: GroupShape(1, 2); break;
    case acGroup4: GroupShape(2, 2); break;
    case acGroupMoveMaster: document.SetMaster(selection.Left, selection.Top); break;
  }
}

void TfmGrid::GroupShape(int columns, int rows) {
  // At the field's edge there is no room and nothing happens.
  if (const std::optional<TRect> shape = GroupShapeAt(grid_->Selection(), columns, rows))
    GroupRect(*shape, QT_TR_NOOP("Пересечение групп. Группирование невозможно."));
}

void TfmGrid::BuildMenus() {
  const auto addSubmenu = [this](QMenu* menu, const char* title, std::initializer_list<Command> commands) {
    QMenu* submenu = menu->addMenu(tr(title));
    for (Command command : commands) submenu->addAction(Action(command));
    return submenu;
  };
  const std::initializer_list<Command> layers = {acViewLayersAll, acViewLayers0, acViewLayers1,
                                                 acViewLayers2, acViewLayers3};
  pmKey_ = new QMenu(this);
  pmKey_->addAction(Action(acKeyInput));
  pmKey_->addAction(Action(acKeyInfo));
  pmKey_->addSeparator();
  for (Command command : {acCut, acCopy, acPaste, acSpecialPaste}) pmKey_->addAction(Action(command));
  addSubmenu(pmKey_, QT_TR_NOOP("Ото&бражаемые уровни"), layers);
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acClear));
  pmKey_->addAction(Action(acLayers));
  pmKey_->addSeparator();
  QMenu* group = addSubmenu(pmKey_, QT_TR_NOOP("&Группировать"), {acGroup, acDegroup});
  group->addSeparator();
  for (Command command : {acGroup2Hor, acGroup2Ver, acGroup4}) group->addAction(Action(command));
  group->addSeparator();
  group->addAction(Action(acGroupMoveMaster));
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acGoto));
  pmKey_->addSeparator();
  addSubmenu(pmKey_, QT_TR_NOOP("&Примечание"), {acNoteAdd, acNoteDelete});
  addSubmenu(pmKey_, QT_TR_NOOP("&Закладка"), {acMarkAdd, acMarkDelete});
  pmKey_->addSeparator();
  pmKey_->addAction(Action(acProperties));

  pmColumn_ = new QMenu(this);
  pmColumn_->addAction(Action(acColAdd));
  pmColumn_->addAction(Action(acColDelete));
  pmRow_ = new QMenu(this);
  pmRow_->addAction(Action(acRowAdd));
  pmRow_->addAction(Action(acRowDelete));

  pmView_ = new QMenu(this);
  pmView_->addAction(Action(acKeyInfo));
  pmView_->addSeparator();
  addSubmenu(pmView_, QT_TR_NOOP("&Отображаемые уровни"), layers);
  addSubmenu(pmView_, QT_TR_NOOP("Выделит&ь поле"), {acSelect12, acSelect32, acSelect64, acSelect105, acSelect128});
  pmView_->addAction(Action(acGoto));
  addSubmenu(pmView_, QT_TR_NOOP("&Детализация"), {acViewNormal, acViewSuper});
  pmView_->addSeparator();
  pmView_->addAction(Action(acProperties));

  pmHide_ = new QMenu(lbCheck_);
  QAction* hide = pmHide_->addAction(tr("&Спрятать"));
  connect(hide, &QAction::triggered, Action(acHide), &QAction::trigger);
  lbCheck_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lbCheck_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& point) { pmHide_->popup(lbCheck_->mapToGlobal(point)); });
}

void TfmGrid::RefreshCommands() {
  for (const CommandRow& row : Commands()) {
    if (row.Place == CommandPlace::Main || !row.Grid) continue;
    QAction* action = Action(*row.Grid);
    action->setEnabled(Allows(row.LayoutRule));
    if (row.Check != CheckRule::None) action->setChecked(Checks(row));
  }
}

bool TfmGrid::Allows(EnableRule rule) const {
  const TRect& selection = grid_->Selection();
  const bool one = selection.Width() == 1 && selection.Height() == 1;
  switch (rule) {
    case EnableRule::Always:
    case EnableRule::AnyLayout: return true;
    case EnableRule::SingleLayer: return grid_->ShownLayer() != kAllLayers;
    case EnableRule::OneKey: return one;
    case EnableRule::OneGroupedKey:
      return one && Document().GetGroup(selection.Left, selection.Top).IsGrouped();
    case EnableRule::UndoStep: return Document().History.CanUndo();
    case EnableRule::RedoStep: return Document().History.CanRedo();
    case EnableRule::HasKeyNote: return BlockHasKeyNote(Document(), selection);
    case EnableRule::HasMark: return BlockHasMark(Document(), selection);
  }
  return false;
}

bool TfmGrid::Checks(const CommandRow& row) const {
  switch (row.Check) {
    case CheckRule::None: break;
    case CheckRule::ShownLayer: return grid_->ShownLayer() == row.Data;
    case CheckRule::ViewMode: return grid_->ViewMode() == row.Data;
  }
  return false;
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
  ApplySpecialPaste(Document(), grid_->Selection(), grid_->ShownLayer(), *chosen);
  RefreshCommands();
  host_.CommandsChanged();
}

std::string TfmGrid::AskText(const char* caption, const char* prompt, const std::string& initial,
                             size_t maxLength) {
  const QString text = host_.TextEntry().Exec(tr(caption), tr(prompt),
                                              QString::fromStdString(Cp1251ToUtf8(initial)),
                                              static_cast<int>(maxLength));
  // The entry line takes only what code page 1251 holds, so nothing is lost here.
  return Utf8ToCp1251Lossy(text.toStdString());
}

void TfmGrid::EditNote() {
  const std::string text = AskText(QT_TR_NOOP("Примечание"), QT_TR_NOOP("Текст примечания:"), grid_->Summary().Note.KeyNote, kMaxKeyNoteLength);
  if (!text.empty()) SetKeyNote(Document(), grid_->Selection(), text);
}

void TfmGrid::EditMark() {
  const std::string name = AskText(QT_TR_NOOP("Закладка"), QT_TR_NOOP("Имя закладки:"), grid_->Summary().Note.Mark, kMaxMarkLength);
  if (name.empty()) return;
  const TRect& selection = grid_->Selection();
  const TKeyNote* note = Document().GetNote(selection.Left, selection.Top);
  if (note && note->Mark == name) return;  // the key's own name, confirmed unchanged
  const bool taken = [&] {
    WaitCursor wait;
    return FindMark(Document(), name).has_value();
  }();
  if (taken) {
    host_.Prompt().Message(tr("Закладка [%1] в активном окне дублируется.").arg(QString::fromStdString(Cp1251ToUtf8(name))).toStdString(),
                           kCaptionError, MessageIcon::Error);
    return;
  }
  // A bookmark names one place: it goes to the selection's top-left key.
  SetMark(Document(), selection.Left, selection.Top, name);
}

void TfmGrid::CopyLayers() {
  const int layer = grid_->ShownLayer();
  if (layer == kAllLayers) return;
  const auto choice = host_.CopyToLayersDialog().Exec(layer);
  if (choice) CopyToLayers(Document(), grid_->Selection(), layer, choice->Targets, choice->DeleteFromSource);
  host_.CommandsChanged();
}

void TfmGrid::GroupRect(const TRect& rect, const char* refusal) {
  if (!IsBlockUngrouped(Document(), rect)) {
    host_.Prompt().Message(tr(refusal).toStdString(), kCaptionError, MessageIcon::Error);
    return;
  }
  Document().MakeGroup(rect);
}

void TfmGrid::GoToBookmark() {
  QStringList names;
  {
    WaitCursor wait;
    for (const std::string& name : MarkNames(Document())) names << QString::fromStdString(Cp1251ToUtf8(name));
  }
  if (names.isEmpty()) {
    host_.Prompt().Message(tr("Активное окно не содержит закладок.").toStdString(), kCaptionAttention,
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
  const std::string text = tr("Раскладка [%1] была изменена. Сохранить?").arg(Caption()).toStdString();
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
