#include "app/editor/VL2Grid.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <array>

#include "app/editor/LayerSwitchIcon.h"
#include "core/document/BlockOps.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

constexpr int kLine = 1;  // grid line width
constexpr int kTimerMs = 60;
const QColor kKeyRecordColour(157, 255, 182);
const QColor kFixedColour(212, 208, 200);
const QColor kGlyphColour(128, 128, 128);
const QColor kGlyphSelectedColour(192, 192, 192);

// The hourglass for walks over the whole field, restored however they end.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

QPolygon Glyph(std::initializer_list<QPoint> points, const QPoint& origin) {
  QPolygon polygon;
  for (const QPoint& p : points) polygon << origin + p;
  return polygon;
}

}  // namespace

TVL2Grid::TVL2Grid(std::unique_ptr<TVL2Document> document, const SettingsStore& settings,
                   IPrompt& prompt, QWidget* parent)
    : QAbstractScrollArea(parent), document_(std::move(document)), settings_(settings), prompt_(prompt) {
  document_->SetOwner(this);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  scrollTimer_.setInterval(kTimerMs);
  connect(&scrollTimer_, &QTimer::timeout, this, &TVL2Grid::OnTimer);
  keyFont_ = font();
  keyFont_.setPixelSize(10);
  SetViewMode(settings.ViewMode());
}

TVL2Grid::~TVL2Grid() { document_->SetOwner(nullptr); }

void TVL2Grid::SetViewMode(int mode) {
  viewMode_ = mode == 0 ? 0 : 1;
  UpdateScrollBars();
  summary_ = SummarizeSelection(*document_, selection_);
  viewport()->update();
}

void TVL2Grid::SetShownLayer(int layer) {
  shownLayer_ = std::clamp(layer, 0, kAllLayers);
  viewport()->update();
}

void TVL2Grid::Select(int left, int top, int right, int bottom) {
  SetSelectionQuietly({std::max(left, 1), std::max(top, 1), std::min(right, kFieldSize),
                       std::min(bottom, kFieldSize)});
  cursorColumn_ = rangeColumn_ = selection_.Left;
  cursorRow_ = rangeRow_ = selection_.Top;
  SelectionUpdated();
}

void TVL2Grid::SelectAll() { Select(1, 1, kFieldSize, kFieldSize); }

void TVL2Grid::SetSelectionQuietly(const TRect& rect) {
  selection_ = rect;
  if (selection_.Right < selection_.Left) selection_.Right = selection_.Left;
  if (selection_.Bottom < selection_.Top) selection_.Bottom = selection_.Top;
  viewport()->update();
}

void TVL2Grid::GoToCell(int column, int row) {
  column = std::clamp(column, 1, kFieldSize);
  row = std::clamp(row, 1, kFieldSize);
  cursorColumn_ = column;
  cursorRow_ = row;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (column < h->value() || column >= h->value() + VisibleColumns()) h->setValue(column);
  if (row < v->value() || row >= v->value() + VisibleRows()) v->setValue(row);
}

bool TVL2Grid::IsMarkFree(const std::string& cp1251Name) const {
  WaitCursor wait;
  for (const auto& note : document_->Notes) {
    if (note && note->Mark == cp1251Name) return false;
  }
  return true;
}

std::vector<std::string> TVL2Grid::MarkNames() const {
  WaitCursor wait;
  std::vector<std::string> names;
  for (const auto& note : document_->Notes) {
    if (note && !note->Mark.empty()) names.push_back(note->Mark);
  }
  return names;
}

bool TVL2Grid::GoToMark(const std::string& cp1251Name) {
  WaitCursor wait;
  const auto& notes = document_->Notes;
  for (auto it = notes.begin(); it != notes.end(); ++it) {
    if (!*it || (*it)->Mark != cp1251Name) continue;
    const size_t index = static_cast<size_t>(it - notes.begin());
    const int column = FieldMatrix<int>::ColumnOf(index);
    const int row = FieldMatrix<int>::RowOf(index);
    kind_ = SelectionKind::Cells;
    Select(column, row, column, row);
    GoToCell(column, row);
    return true;
  }
  return false;
}

QRect TVL2Grid::CellRect(int column, int row) const {
  const int key = KeySize();
  const int left = horizontalScrollBar()->value();
  const int top = verticalScrollBar()->value();
  const int x = column == 0 ? 0 : kHeaderSize + kLine + (column - left) * (key + kLine);
  const int y = row == 0 ? 0 : kHeaderSize + kLine + (row - top) * (key + kLine);
  return QRect(x, y, column == 0 ? kHeaderSize : key, row == 0 ? kHeaderSize : key);
}

bool TVL2Grid::CellAt(const QPoint& point, int& column, int& row) const {
  const int pitch = KeySize() + kLine;
  const int origin = kHeaderSize + kLine;
  if (point.x() < 0 || point.y() < 0) return false;
  column = point.x() < origin ? 0 : horizontalScrollBar()->value() + (point.x() - origin) / pitch;
  row = point.y() < origin ? 0 : verticalScrollBar()->value() + (point.y() - origin) / pitch;
  return column <= kFieldSize && row <= kFieldSize;
}

int TVL2Grid::VisibleColumns() const {
  return std::max(1, (viewport()->width() - kHeaderSize - kLine) / (KeySize() + kLine));
}

int TVL2Grid::VisibleRows() const {
  return std::max(1, (viewport()->height() - kHeaderSize - kLine) / (KeySize() + kLine));
}

void TVL2Grid::UpdateScrollBars() {
  horizontalScrollBar()->setRange(1, std::max(1, kFieldSize - VisibleColumns() + 1));
  verticalScrollBar()->setRange(1, std::max(1, kFieldSize - VisibleRows() + 1));
  horizontalScrollBar()->setPageStep(VisibleColumns());
  verticalScrollBar()->setPageStep(VisibleRows());
}

void TVL2Grid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TVL2Grid::scrollContentsBy(int, int) { viewport()->update(); }

void TVL2Grid::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect dirty = event->rect();
  painter.fillRect(dirty, palette().color(QPalette::Base));
  const int firstColumn = horizontalScrollBar()->value();
  const int firstRow = verticalScrollBar()->value();
  const int lastColumn = std::min(kFieldSize, firstColumn + VisibleColumns() + 1);
  const int lastRow = std::min(kFieldSize, firstRow + VisibleRows() + 1);
  painter.setPen(palette().color(QPalette::Mid));
  // Grid lines: one pixel right and below every cell.
  for (int column = firstColumn - 1; column <= lastColumn; ++column) {
    const QRect cell = CellRect(column < firstColumn ? 0 : column, 0);
    painter.drawLine(cell.right() + 1, 0, cell.right() + 1, viewport()->height());
  }
  for (int row = firstRow - 1; row <= lastRow; ++row) {
    const QRect cell = CellRect(0, row < firstRow ? 0 : row);
    painter.drawLine(0, cell.bottom() + 1, viewport()->width(), cell.bottom() + 1);
  }
  auto paintIfDirty = [&](int column, int row) {
    const QRect rect = CellRect(column, row);
    if (rect.intersects(dirty)) PaintCell(painter, column, row, rect);
  };
  for (int column = firstColumn; column <= lastColumn; ++column) {
    for (int row = firstRow; row <= lastRow; ++row) paintIfDirty(column, row);
  }
  for (int column = firstColumn; column <= lastColumn; ++column) paintIfDirty(column, 0);
  for (int row = firstRow; row <= lastRow; ++row) paintIfDirty(0, row);
  paintIfDirty(0, 0);
  if (frameShown_) {
    // The move target's frame: an inverted outline, so it shows on any background.
    const QRect from = CellRect(std::max(moveTarget_.Left, firstColumn), std::max(moveTarget_.Top, firstRow));
    const QRect to = CellRect(moveTarget_.Right, moveTarget_.Bottom);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(from.topLeft(), to.bottomRight()).adjusted(-1, -1, 0, 0));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
}

void TVL2Grid::PaintCell(QPainter& painter, int column, int row, const QRect& rect) const {
  const bool fixed = column == 0 || row == 0;
  const bool selected = !fixed && selection_.Contains(column, row);
  const bool singleLayer = shownLayer_ != kAllLayers;
  const TMacroButton* key = fixed ? nullptr : document_->GetKey(column, row);
  QColor background = palette().color(QPalette::Base);
  if (selected) background = palette().color(QPalette::Highlight);
  else if (fixed) background = kFixedColour;
  else if (key && singleLayer) background = kKeyRecordColour;
  painter.fillRect(rect, background);

  if (fixed) {
    painter.setPen(Qt::white);
    painter.drawLine(rect.bottomLeft(), rect.topLeft());
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.setPen(Qt::black);
    if (row == 0 && column == 0) {
      if (singleLayer) {
        painter.fillRect(rect, Qt::red);
        painter.drawText(rect, Qt::AlignCenter, QString::number(shownLayer_));
      }
    } else if (row == 0) {
      painter.drawText(rect, Qt::AlignCenter, QString::number(column));
    } else {
      painter.drawText(rect, Qt::AlignCenter, QString::number(row));
    }
    return;
  }

  const QColor ink = selected ? Qt::white : Qt::black;
  const TGroupCell group = document_->GetGroup(column, row);
  const int l = rect.left();
  const int t = rect.top();
  const int r = rect.right() + 1;
  const int b = rect.bottom() + 1;
  painter.setPen(ink);
  if (group.Flags & kGroupLeftEdge) painter.drawLine(l, b - 1, l, t);
  if (group.Flags & kGroupTopEdge) painter.drawLine(l, t, r - 1, t);
  if (group.Flags & kGroupRightEdge) painter.drawLine(r - 1, t, r - 1, b - 1);
  if (group.Flags & kGroupBottomEdge) painter.drawLine(r - 1, b - 1, l, b - 1);

  painter.setPen(selected ? kGlyphSelectedColour : kGlyphColour);
  const QPoint origin = rect.topLeft();
  if (group.Flags & kGroupMaster) {
    painter.drawPolyline(Glyph({{11, 5}, {11, 1}, {13, 3}, {15, 1}, {15, 6}}, origin));
  }
  if (const TKeyNote* note = document_->GetNote(column, row)) {
    if (!note->KeyNote.empty()) painter.drawPolyline(Glyph({{1, 5}, {1, 1}, {3, 1}, {3, 6}}, origin));
    if (!note->Mark.empty()) {
      painter.drawPolyline(Glyph({{5, 4}, {6, 5}, {8, 5}, {10, 3}}, origin));
      painter.drawLine(origin + QPoint(6, 2), origin + QPoint(9, 2));
      painter.drawLine(origin + QPoint(7, 1), origin + QPoint(7, 5));
    }
  }
  if (key) PaintKeyContent(painter, *key, rect, selected);
}

void TVL2Grid::PaintKeyContent(QPainter& painter, const TMacroButton& key, const QRect& rect,
                               bool selected) const {
  const QColor ink = selected ? Qt::white : Qt::black;
  const int scale = viewMode_ + 1;
  const QPoint origin = rect.topLeft();
  painter.setPen(ink);
  if (IsLayerSwitch(key.Func)) {
    const int target = LayerSwitchTarget(key.Func);
    if (target >= 0)
      DrawText(painter, QPoint(rect.right() + 1 - 7 * scale, rect.top() + 5 * (scale - 1)),
               QString::number(target));
    PaintLayerSwitchIcon(painter, key.Func, origin, scale);
  } else if (key.Func == kFuncMacro) {
    if (viewMode_ == 0) {
      if (shownLayer_ == kAllLayers || !key.Layers[shownLayer_].IsEmpty()) {
        DrawText(painter, QPoint(rect.left() + 2, rect.top() + 5), QStringLiteral("ABC"));
      }
      return;
    }
    const KeyLanguage language = KeyLanguageFromSetting(settings_.Get(Setting::Layout));
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(keyFont_);
    for (int layer = 0; layer < kLayerCount; ++layer) {
      const TMacros& block = key.Layers[layer];
      if (block.IsEmpty()) continue;
      std::string line = SequenceToText(block.Macro[0], 20, language, true);
      if (!block.Macro[1].empty()) {
        line += '^';
        line += SequenceToText(block.Macro[1], 20, language, true);
      }
      painter.setPen(layer == shownLayer_ ? QColor(Qt::red) : ink);
      DrawText(painter, QPoint(rect.left() + 3, rect.top() + 1 + 13 * layer), QString::fromStdString(line),
               true);
    }
    painter.restore();
  }
}

void TVL2Grid::DrawText(QPainter& painter, const QPoint& topLeft, const QString& text,
                        bool keyFont) const {
  QHash<QString, QStaticText>& texts = texts_[keyFont ? 1 : 0];
  auto it = texts.find(text);
  if (it == texts.end()) {
    constexpr qsizetype kMaxKept = 8192;  // a full screen of distinct texts many times over
    if (texts.size() >= kMaxKept) texts.clear();
    QStaticText laidOut(text);
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.prepare(QTransform(), painter.font());
    it = texts.insert(text, laidOut);
  }
  painter.drawStaticText(topLeft, *it);
}

void TVL2Grid::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  int column = 0;
  int row = 0;
  if (event->button() == Qt::LeftButton) {
    if (state_ == PointerState::Moving) {
      frameShown_ = false;
      state_ = PointerState::Idle;
      document_->Busy = false;
      viewport()->update();
    }
    if (!CellAt(point, column, row)) return;
    if (column == 0 && row == 0) {
      if (kind_ == SelectionKind::Field) {
        kind_ = SelectionKind::Cells;
        Select(1, 1, 1, 1);
      } else {
        kind_ = SelectionKind::Field;
        SelectAll();
      }
      return;
    }
    kind_ = SelectionKind::Cells;
    state_ = PointerState::Selecting;
    scrollTimer_.start();  // the press grabs the mouse implicitly until release
    if (row == 0) {
      kind_ = SelectionKind::Columns;
      anchor_ = column;
      SetSelectionQuietly({column, 1, column, kFieldSize});
    } else if (column == 0) {
      kind_ = SelectionKind::Rows;
      anchor_ = row;
      SetSelectionQuietly({1, row, kFieldSize, row});
    } else if (event->modifiers() & Qt::ShiftModifier) {
      ExtendSelectionTo(point);
    } else {
      rangeColumn_ = cursorColumn_ = column;
      rangeRow_ = cursorRow_ = row;
      SetSelectionQuietly({column, row, column, row});
    }
    RefreshPositionTexts();
    return;
  }
  if (event->button() != Qt::RightButton || state_ == PointerState::Selecting) return;
  if (kind_ == SelectionKind::Field || !CellAt(point, column, row)) return;
  if (!selection_.Contains(std::max(column, 1), std::max(row, 1)) || column == 0 || row == 0) return;
  state_ = PointerState::Moving;
  document_->Busy = true;  // postpones autosave while the block is held
  moveColumnOffset_ = column - selection_.Left;
  moveRowOffset_ = row - selection_.Top;
  moveTarget_ = selection_;
  frameShown_ = true;
  scrollTimer_.start();
  viewport()->update();
}

void TVL2Grid::ExtendSelectionTo(const QPoint& point) {
  int column = 0;
  int row = 0;
  CellAt(point, column, row);
  column = std::clamp(column, 1, kFieldSize);
  row = std::clamp(row, 1, kFieldSize);
  if (kind_ == SelectionKind::Columns) {
    SetSelectionQuietly({std::min(anchor_, column), 1, std::max(anchor_, column), kFieldSize});
  } else if (kind_ == SelectionKind::Rows) {
    SetSelectionQuietly({1, std::min(anchor_, row), kFieldSize, std::max(anchor_, row)});
  } else {
    cursorColumn_ = column;
    cursorRow_ = row;
    SetSelectionQuietly({std::min(rangeColumn_, column), std::min(rangeRow_, row),
                         std::max(rangeColumn_, column), std::max(rangeRow_, row)});
  }
  RefreshPositionTexts();
}

void TVL2Grid::UpdateMoveTarget(const QPoint& point) {
  const int inside = kHeaderSize + kLine;
  if (point.x() <= inside || point.y() <= inside || point.x() > viewport()->width() - 5 ||
      point.y() > viewport()->height() - 5) {
    return;
  }
  int column = 0;
  int row = 0;
  if (!CellAt(point, column, row)) return;
  TRect target = selection_;
  if (kind_ != SelectionKind::Rows) {
    const int left = std::clamp(column - moveColumnOffset_, 1, kFieldSize - selection_.Width() + 1);
    target.Left = left;
    target.Right = left + selection_.Width() - 1;
  }
  if (kind_ != SelectionKind::Columns) {
    const int top = std::clamp(row - moveRowOffset_, 1, kFieldSize - selection_.Height() + 1);
    target.Top = top;
    target.Bottom = top + selection_.Height() - 1;
  }
  if (target == moveTarget_) return;
  moveTarget_ = target;
  viewport()->update();
  emit MoveTextChanged(QString::fromStdString(MoveText(selection_, moveTarget_)));
}

void TVL2Grid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  lastPointer_ = point;
  if (state_ == PointerState::Selecting) ExtendSelectionTo(point);
  else if (state_ == PointerState::Moving) UpdateMoveTarget(point);
  int column = 0;
  int row = 0;
  if (CellAt(point, column, row) && column > 0 && row > 0) emit CellHovered(column, row);
}

void TVL2Grid::OnTimer() {
  if (state_ == PointerState::Idle) return;
  int column = 0;
  int row = 0;
  CellAt(lastPointer_, column, row);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const bool scrollRows = !(state_ == PointerState::Selecting && kind_ == SelectionKind::Columns);
  const bool scrollColumns = !(state_ == PointerState::Selecting && kind_ == SelectionKind::Rows);
  if (scrollRows) {
    if (lastPointer_.y() >= viewport()->height() || row >= v->value() + VisibleRows()) v->setValue(v->value() + 1);
    else if (lastPointer_.y() < kHeaderSize && v->value() >= 2) v->setValue(v->value() - 1);
  }
  if (scrollColumns) {
    if (lastPointer_.x() >= viewport()->width() || column >= h->value() + VisibleColumns()) h->setValue(h->value() + 1);
    else if (lastPointer_.x() < kHeaderSize && h->value() >= 2) h->setValue(h->value() - 1);
  }
  if (state_ == PointerState::Selecting) ExtendSelectionTo(lastPointer_);
  else UpdateMoveTarget(lastPointer_);
}

void TVL2Grid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  scrollTimer_.stop();
  document_->Busy = false;
  if (event->button() == Qt::RightButton) {
    if (state_ == PointerState::Moving) FinishMove(point);
    else if (state_ == PointerState::Idle) PopupFor(point);
  }
  state_ = PointerState::Idle;
  SelectionUpdated();
}

void TVL2Grid::FinishMove(const QPoint& point) {
  frameShown_ = false;
  state_ = PointerState::Idle;
  viewport()->update();
  int column = 0;
  int row = 0;
  if (!CellAt(point, column, row) || column == 0 || row == 0) {
    prompt_.Message("Выделенный блок перетащить невозможно.", kCaptionError, MessageIcon::Error);
    return;
  }
  int columnShift = moveTarget_.Left - selection_.Left;
  int rowShift = moveTarget_.Top - selection_.Top;
  if (kind_ == SelectionKind::Rows) columnShift = 0;
  if (kind_ == SelectionKind::Columns) rowShift = 0;
  if (columnShift == 0 && rowShift == 0) {
    emit MoveTextChanged(QString());
    if (menus_.key) menus_.key->popup(viewport()->mapToGlobal(point));
    return;
  }
  if (Move(*document_, selection_, columnShift, rowShift, shownLayer_, prompt_)) {
    SetSelectionQuietly(moveTarget_);
    emit DocumentChanged();
  }
}

void TVL2Grid::PopupFor(const QPoint& point) {
  int column = -1;
  int row = -1;
  CellAt(point, column, row);
  QMenu* menu = menus_.view;
  switch (kind_) {
    case SelectionKind::Cells: menu = menus_.view; break;
    case SelectionKind::Rows: menu = column == 0 && row > 0 ? menus_.row : menus_.view; break;
    case SelectionKind::Columns: menu = row == 0 && column > 0 ? menus_.column : menus_.view; break;
    case SelectionKind::Field: menu = menus_.key; break;
  }
  if (menu) menu->popup(viewport()->mapToGlobal(point));
}

void TVL2Grid::mouseDoubleClickEvent(QMouseEvent* event) {
  int column = 0;
  int row = 0;
  if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), column, row) &&
      column > 0 && row > 0) {
    emit KeyDoubleClicked();
  }
}

void TVL2Grid::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  if (event->key() == Qt::Key_Insert && ctrl) {
    emit CopyRequested();
    return;
  }
  if (event->key() == Qt::Key_Insert && shift) {
    emit PasteRequested();
    return;
  }
  if (event->key() == Qt::Key_Delete && !ctrl && !shift) {
    emit ClearRequested();
    return;
  }
  int column = cursorColumn_;
  int row = cursorRow_;
  switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_PageUp: row -= VisibleRows(); break;
    case Qt::Key_PageDown: row += VisibleRows(); break;
    case Qt::Key_Home: column = 1; break;
    case Qt::Key_End: column = kFieldSize; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  column = std::clamp(column, 1, kFieldSize);
  row = std::clamp(row, 1, kFieldSize);
  kind_ = SelectionKind::Cells;
  if (shift) {
    SetSelectionQuietly({std::min(rangeColumn_, column), std::min(rangeRow_, row),
                         std::max(rangeColumn_, column), std::max(rangeRow_, row)});
  } else {
    rangeColumn_ = column;
    rangeRow_ = row;
    SetSelectionQuietly({column, row, column, row});
  }
  GoToCell(column, row);
  RefreshPositionTexts();
}

void TVL2Grid::keyReleaseEvent(QKeyEvent* event) {
  QAbstractScrollArea::keyReleaseEvent(event);
  if (!event->isAutoRepeat()) SelectionUpdated();
}

bool TVL2Grid::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    int column = 0;
    int row = 0;
    const TKeyNote* note = nullptr;
    if (CellAt(help->pos(), column, row) && column > 0 && row > 0) note = document_->GetNote(column, row);
    const std::string hint = note ? KeyHint(*note) : std::string();
    if (hint.empty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), QString::fromStdString(hint), viewport());
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void TVL2Grid::RefreshPositionTexts() {
  emit MoveTextChanged(QString());
  emit PositionChanged(QString::fromStdString(PositionText(selection_)),
                       QString::fromStdString(SelectionCaption(selection_)));
}

void TVL2Grid::SelectionUpdated() {
  {
    WaitCursor wait;
    summary_ = SummarizeSelection(*document_, selection_);
  }
  RefreshPositionTexts();
  emit SelectionChanged();
}

void TVL2Grid::OnDocumentNotification(DocumentNotification kind, int param1, int param2) {
  switch (kind) {
    case DocumentNotification::ContentChanged:
    case DocumentNotification::Undone:
      summary_ = SummarizeSelection(*document_, selection_);
      viewport()->update();
      break;
    case DocumentNotification::SelectBlock:
      Select(selection_.Left, selection_.Top, selection_.Left + param1, selection_.Top + param2);
      break;
    case DocumentNotification::Repaint:
    case DocumentNotification::GroupsChanged:
      viewport()->update();
      break;
  }
  emit DocumentChanged();
}

}  // namespace vl
