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

#include "app/common/CoreTexts.h"
#include "app/common/WaitCursor.h"
#include "app/editor/GridAccessible.h"
#include "app/editor/LayerSwitchIcon.h"
#include "core/document/BlockOps.h"
#include "core/document/KeyNoteOps.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

constexpr int kLine = 1;  // grid line width
constexpr int kTimerMs = 60;
constexpr int kGlyphHeight = 7;  // the note, bookmark and master glyphs take rows 1 to 6


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
  summary_ = SummarizeSelection(*document_, Selection());
  viewport()->update();
}

QString TVL2Grid::SpokenText(int column, int row) const {
  return QString::fromStdString(CellSpokenText(*document_, column, row, shownLayer_,
                                               KeyLanguageFromSetting(settings_.Get(Setting::Layout)),
                                               CoreTranslator()));
}

void TVL2Grid::SetShownLayer(int layer) {
  shownLayer_ = std::clamp(layer, 0, kAllLayers);
  viewport()->update();
}

void TVL2Grid::Select(int left, int top, int right, int bottom) {
  selection_.Select(left, top, right, bottom);
  viewport()->update();
  SelectionUpdated();
}

void TVL2Grid::SelectAll() { Select(1, 1, kFieldSize, kFieldSize); }

void TVL2Grid::GoToCell(int column, int row) {
  column = std::clamp(column, 1, kFieldSize);
  row = std::clamp(row, 1, kFieldSize);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (column < h->value() || column >= h->value() + VisibleColumns()) h->setValue(column);
  if (row < v->value() || row >= v->value() + VisibleRows()) v->setValue(row);
}

bool TVL2Grid::GoToMark(const std::string& cp1251Name) {
  WaitCursor wait;
  const std::optional<MarkPlace> place = FindMark(*document_, cp1251Name);
  if (!place) return false;
  selection_.SetKind(SelectionKind::Cells);
  Select(place->Column, place->Row, place->Column, place->Row);
  GoToCell(place->Column, place->Row);
  return true;
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
  colours_ = GridColoursFor(palette(), settings_.HighContrast());
  const QRect dirty = event->rect();
  painter.fillRect(dirty, colours_.Base);
  const int firstColumn = horizontalScrollBar()->value();
  const int firstRow = verticalScrollBar()->value();
  const int lastColumn = std::min(kFieldSize, firstColumn + VisibleColumns() + 1);
  const int lastRow = std::min(kFieldSize, firstRow + VisibleRows() + 1);
  painter.setPen(colours_.Lines);
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
  if (selection_.State() == PointerState::Moving) {
    // The move target's frame: an inverted outline, so it shows on any background.
    const TRect& target = selection_.MoveTarget();
    const QRect from = CellRect(std::max(target.Left, firstColumn), std::max(target.Top, firstRow));
    const QRect to = CellRect(target.Right, target.Bottom);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(from.topLeft(), to.bottomRight()).adjusted(-1, -1, 0, 0));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
}

void TVL2Grid::PaintCell(QPainter& painter, int column, int row, const QRect& rect) const {
  const bool fixed = column == 0 || row == 0;
  const bool selected = !fixed && Selection().Contains(column, row);
  const bool singleLayer = shownLayer_ != kAllLayers;
  const TMacroButton* key = fixed ? nullptr : document_->GetKey(column, row);
  QColor background = colours_.Base;
  if (selected) background = colours_.Selection;
  else if (fixed) background = colours_.Fixed;
  else if (key && singleLayer) background = colours_.KeyRecord;
  painter.fillRect(rect, background);

  if (fixed) {
    painter.setPen(Qt::white);
    painter.drawLine(rect.bottomLeft(), rect.topLeft());
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.setPen(colours_.FixedText);
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

  const QColor ink = selected ? colours_.SelectionText : colours_.Text;
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

  painter.setPen(selected ? colours_.GlyphSelected : colours_.Glyph);
  const QPoint origin = rect.topLeft();
  bool glyphs = group.Flags & kGroupMaster;
  if (group.Flags & kGroupMaster) {
    painter.drawPolyline(Glyph({{11, 5}, {11, 1}, {13, 3}, {15, 1}, {15, 6}}, origin));
  }
  if (const TKeyNote* note = document_->GetNote(column, row)) {
    glyphs = glyphs || !note->IsEmpty();
    if (!note->KeyNote.empty()) painter.drawPolyline(Glyph({{1, 5}, {1, 1}, {3, 1}, {3, 6}}, origin));
    if (!note->Mark.empty()) {
      painter.drawPolyline(Glyph({{5, 4}, {6, 5}, {8, 5}, {10, 3}}, origin));
      painter.drawLine(origin + QPoint(6, 2), origin + QPoint(9, 2));
      painter.drawLine(origin + QPoint(7, 1), origin + QPoint(7, 5));
    }
  }
  if (key) PaintKeyContent(painter, *key, rect, selected, glyphs);
}

void TVL2Grid::PaintKeyContent(QPainter& painter, const TMacroButton& key, const QRect& rect,
                               bool selected, bool glyphs) const {
  const QColor ink = selected ? colours_.SelectionText : colours_.Text;
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
        DrawText(painter, QPoint(rect.left() + 2, rect.top() + (glyphs ? kGlyphHeight + 1 : 5)),
                 QStringLiteral("ABC"));
      }
      return;
    }
    const KeyLanguage language = KeyLanguageFromSetting(settings_.Get(Setting::Layout));
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(keyFont_);
    // The glyphs keep the top-left corner: under them the lines close up to fit.
    const int top = rect.top() + (glyphs ? kGlyphHeight : 1);
    const int pitch = glyphs ? 12 : 13;
    for (int layer = 0; layer < kLayerCount; ++layer) {
      const TMacros& block = key.Layers[layer];
      if (block.IsEmpty()) continue;
      std::string line = SequenceToText(block.Macro[0], 20, language, true);
      if (!block.Macro[1].empty()) {
        line += '^';
        line += SequenceToText(block.Macro[1], 20, language, true);
      }
      const bool shown = layer == shownLayer_;
      painter.setPen(!shown ? ink : selected ? colours_.ShownLayerSelected : colours_.ShownLayer);
      const QPoint at(rect.left() + 3, top + pitch * layer);
      DrawText(painter, at, QString::fromStdString(line), true);
      if (shown && colours_.UnderlineShownLayer) {
        const int below = at.y() + QFontMetrics(keyFont_).ascent() + 1;
        painter.drawLine(at.x(), below, rect.right() - 2, below);
      }
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
    // Key texts end in "…" where the key is too narrow for them (all are drawn
    // in high view's key width, so the text alone names the result).
    QStaticText laidOut(keyFont ? QFontMetrics(painter.font()).elidedText(text, Qt::ElideRight, KeyTextWidth())
                                : text);
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
    if (selection_.State() == PointerState::Moving) CancelMove();
    if (!CellAt(point, column, row)) return;
    const bool toggledField = column == 0 && row == 0;
    // The press grabs the mouse implicitly until release.
    if (selection_.PressLeft(column, row, event->modifiers() & Qt::ShiftModifier)) scrollTimer_.start();
    viewport()->update();
    if (toggledField) SelectionUpdated();
    else RefreshPositionTexts();
    return;
  }
  if (event->button() != Qt::RightButton || !CellAt(point, column, row)) return;
  if (!selection_.PressRight(column, row)) return;
  moveBusy_.emplace(*document_);
  scrollTimer_.start();
  viewport()->update();
}

void TVL2Grid::CancelMove() {
  selection_.Release();
  moveBusy_.reset();
  viewport()->update();
}

void TVL2Grid::ExtendSelectionTo(const QPoint& point) {
  int column = 0;
  int row = 0;
  CellAt(point, column, row);
  selection_.DragTo(column, row);
  viewport()->update();
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
  if (!CellAt(point, column, row) || !selection_.MoveTo(column, row)) return;
  viewport()->update();
  emit MoveTextChanged(QString::fromStdString(MoveText(Selection(), selection_.MoveTarget(), CoreTranslator())));
}

void TVL2Grid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  lastPointer_ = point;
  if (selection_.State() == PointerState::Selecting) ExtendSelectionTo(point);
  else if (selection_.State() == PointerState::Moving) UpdateMoveTarget(point);
  int column = 0;
  int row = 0;
  if (CellAt(point, column, row) && column > 0 && row > 0) emit CellHovered(column, row);
}

void TVL2Grid::OnTimer() {
  if (selection_.State() == PointerState::Idle) return;
  int column = 0;
  int row = 0;
  CellAt(lastPointer_, column, row);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (selection_.ScrollsRows()) {
    if (lastPointer_.y() >= viewport()->height() || row >= v->value() + VisibleRows()) v->setValue(v->value() + 1);
    else if (lastPointer_.y() < kHeaderSize && v->value() >= 2) v->setValue(v->value() - 1);
  }
  if (selection_.ScrollsColumns()) {
    if (lastPointer_.x() >= viewport()->width() || column >= h->value() + VisibleColumns()) h->setValue(h->value() + 1);
    else if (lastPointer_.x() < kHeaderSize && h->value() >= 2) h->setValue(h->value() - 1);
  }
  if (selection_.State() == PointerState::Selecting) ExtendSelectionTo(lastPointer_);
  else UpdateMoveTarget(lastPointer_);
}

void TVL2Grid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  scrollTimer_.stop();
  if (event->button() == Qt::RightButton) {
    if (selection_.State() == PointerState::Moving) FinishMove(point);
    else if (selection_.State() == PointerState::Idle) PopupFor(point);
  }
  selection_.Release();
  moveBusy_.reset();
  SelectionUpdated();
}

void TVL2Grid::FinishMove(const QPoint& point) {
  int column = 0;
  int row = 0;
  const bool onKey = CellAt(point, column, row) && column > 0 && row > 0;
  const GridSelection::Drop drop = selection_.EndMove(onKey);
  moveBusy_.reset();
  viewport()->update();
  switch (drop.Result) {
    case GridSelection::Drop::Outcome::Refused:
      prompt_.Message(tr("Выделенный блок перетащить невозможно.").toStdString(), kCaptionError, MessageIcon::Error);
      return;
    case GridSelection::Drop::Outcome::InPlace:
      emit MoveTextChanged(QString());
      if (menus_.key) menus_.key->popup(viewport()->mapToGlobal(point));
      return;
    case GridSelection::Drop::Outcome::Shift:
      if (Move(*document_, Selection(), drop.ColumnShift, drop.RowShift, shownLayer_, prompt_)) {
        selection_.MoveDone();
        emit DocumentChanged();
      }
      return;
  }
}

void TVL2Grid::PopupFor(const QPoint& point) {
  int column = -1;
  int row = -1;
  if (!CellAt(point, column, row)) column = row = -1;
  QMenu* menu = nullptr;
  switch (selection_.MenuFor(column, row)) {
    case GridMenu::View: menu = menus_.view; break;
    case GridMenu::Key: menu = menus_.key; break;
    case GridMenu::Column: menu = menus_.column; break;
    case GridMenu::Row: menu = menus_.row; break;
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
  int column = selection_.CursorColumn();
  int row = selection_.CursorRow();
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
  selection_.KeyTo(column, row, shift);
  viewport()->update();
  GoToCell(selection_.CursorColumn(), selection_.CursorRow());
  RefreshPositionTexts();
  GridAccessible::AnnounceCursor(this);
}

void TVL2Grid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  GridAccessible::AnnounceCursor(this);
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
    const std::string hint = note ? KeyHint(*note, CoreTranslator()) : std::string();
    if (hint.empty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), QString::fromStdString(hint), viewport());
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void TVL2Grid::RefreshPositionTexts() {
  emit MoveTextChanged(QString());
  emit PositionChanged(QString::fromStdString(PositionText(Selection(), CoreTranslator())),
                       QString::fromStdString(SelectionCaption(Selection(), CoreTranslator())));
}

void TVL2Grid::SelectionUpdated() {
  {
    WaitCursor wait;
    summary_ = SummarizeSelection(*document_, Selection());
  }
  RefreshPositionTexts();
  emit SelectionChanged();
  GridAccessible::AnnounceCursor(this);
}

void TVL2Grid::OnDocumentNotification(DocumentNotification kind, int param1, int param2) {
  switch (kind) {
    case DocumentNotification::ContentChanged:
    case DocumentNotification::Undone:
      summary_ = SummarizeSelection(*document_, Selection());
      viewport()->update();
      break;
    case DocumentNotification::SelectBlock:
      Select(Selection().Left, Selection().Top, Selection().Left + param1, Selection().Top + param2);
      break;
    case DocumentNotification::Repaint:
    case DocumentNotification::GroupsChanged:
      viewport()->update();
      break;
  }
  emit DocumentChanged();
}

}  // namespace vl
