#include "app/editor/GridAccessible.h"

#include <algorithm>

#include "app/common/WidgetPartAccessible.h"
#include "app/editor/VL2Grid.h"
#include "core/document/Field.h"

namespace vl {

namespace {

// Table rows and columns count from 0, the grid's keys from 1.
int ChildIndex(int column, int row) { return (row - 1) * kFieldSize + (column - 1); }

// A whole-field selection would otherwise make 65 025 cell objects at once.
constexpr int kMostSelectedCellsListed = 1024;

class GridCellAccessible : public WidgetPartAccessible<TVL2Grid>, public QAccessibleTableCellInterface {
 public:
  GridCellAccessible(TVL2Grid* grid, int column, int row)
      : WidgetPartAccessible(grid), column_(column), row_(row) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  QString text(QAccessible::Text kind) const override {
    if (!widget_) return {};
    switch (kind) {
      case QAccessible::Name:
        return TVL2Grid::tr("столбец %1, строка %2").arg(column_).arg(row_);
      case QAccessible::Description:
        return widget_->SpokenText(column_, row_);
      default:
        return {};
    }
  }
  QRect rect() const override {
    if (!widget_) return {};
    // Cells are placed in the viewport, which starts below the frame.
    return OnScreen(widget_->CellRect(column_, row_).translated(widget_->viewport()->pos()));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!widget_) return state;
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = widget_->hasFocus() && widget_->CursorColumn() == column_ && widget_->CursorRow() == row_;
    state.invisible = !widget_->viewport()->rect().intersects(widget_->CellRect(column_, row_));
    return state;
  }

  bool isSelected() const override { return widget_ && widget_->Selection().Contains(column_, row_); }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_ - 1; }
  int rowIndex() const override { return row_ - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  const int column_;
  const int row_;
};

}  // namespace

GridAccessible::GridAccessible(TVL2Grid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() {
  for (QAccessible::Id id : std::as_const(cells_)) QAccessible::deleteAccessibleInterface(id);
}

TVL2Grid* GridAccessible::Grid() const { return static_cast<TVL2Grid*>(widget()); }

void GridAccessible::AnnounceCursor(TVL2Grid* grid) {
  if (!QAccessible::isActive() || !grid->hasFocus()) return;
  // A program that did not install the factory sees the grid as a bare widget.
  QAccessibleInterface* self = QAccessible::queryAccessibleInterface(grid);
  QAccessibleTableInterface* table = self ? self->tableInterface() : nullptr;
  if (table == nullptr) return;
  QAccessibleInterface* cell = table->cellAt(grid->CursorRow() - 1, grid->CursorColumn() - 1);
  if (cell == nullptr) return;
  QAccessibleEvent selection(cell, QAccessible::Selection);
  QAccessible::updateAccessibility(&selection);
  QAccessibleEvent focus(cell, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int GridAccessible::childCount() const { return kFieldSize * kFieldSize; }

QAccessibleInterface* GridAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return cellAt(index / kFieldSize, index % kFieldSize);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
  if (cell == nullptr || child->parent() != this) return -1;
  return cell->rowIndex() * kFieldSize + cell->columnIndex();
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
  int column = 0;
  int row = 0;
  const QPoint point = Grid()->viewport()->mapFromGlobal(QPoint(x, y));
  if (!Grid()->CellAt(point, column, row) || column < 1 || row < 1) return nullptr;
  return cellAt(row - 1, column - 1);
}

QAccessibleInterface* GridAccessible::focusChild() const {
  if (!Grid()->hasFocus()) return nullptr;
  return cellAt(Grid()->CursorRow() - 1, Grid()->CursorColumn() - 1);
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
  if (row < 0 || column < 0 || row >= kFieldSize || column >= kFieldSize) return nullptr;
  const int index = ChildIndex(column + 1, row + 1);
  auto it = cells_.constFind(index);
  if (it != cells_.constEnd()) return QAccessible::accessibleInterface(*it);
  auto* cell = new GridCellAccessible(Grid(), column + 1, row + 1);
  cells_.insert(index, QAccessible::registerAccessibleInterface(cell));
  return cell;
}

int GridAccessible::selectedCellCount() const {
  const TRect& selection = Grid()->Selection();
  return selection.Width() * selection.Height();
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
  const TRect& selection = Grid()->Selection();
  QList<QAccessibleInterface*> cells;
  for (int row = selection.Top; row <= selection.Bottom; ++row) {
    for (int column = selection.Left; column <= selection.Right; ++column) {
      if (cells.size() >= kMostSelectedCellsListed) return cells;
      cells << cellAt(row - 1, column - 1);
    }
  }
  return cells;
}

QString GridAccessible::columnDescription(int column) const {
  return TVL2Grid::tr("столбец %1").arg(column + 1);
}

QString GridAccessible::rowDescription(int row) const { return TVL2Grid::tr("строка %1").arg(row + 1); }

int GridAccessible::selectedColumnCount() const { return static_cast<int>(selectedColumns().size()); }

int GridAccessible::selectedRowCount() const { return static_cast<int>(selectedRows().size()); }

int GridAccessible::columnCount() const { return kFieldSize; }

int GridAccessible::rowCount() const { return kFieldSize; }

QList<int> GridAccessible::selectedColumns() const {
  const TRect& selection = Grid()->Selection();
  QList<int> columns;
  if (selection.Top != 1 || selection.Bottom != kFieldSize) return columns;
  for (int column = selection.Left; column <= selection.Right; ++column) columns << column - 1;
  return columns;
}

QList<int> GridAccessible::selectedRows() const {
  const TRect& selection = Grid()->Selection();
  QList<int> rows;
  if (selection.Left != 1 || selection.Right != kFieldSize) return rows;
  for (int row = selection.Top; row <= selection.Bottom; ++row) rows << row - 1;
  return rows;
}

bool GridAccessible::isColumnSelected(int column) const { return selectedColumns().contains(column); }

bool GridAccessible::isRowSelected(int row) const { return selectedRows().contains(row); }

bool GridAccessible::selectRow(int row) {
  if (row < 0 || row >= kFieldSize) return false;
  Grid()->Select(1, row + 1, kFieldSize, row + 1);
  return true;
}

bool GridAccessible::selectColumn(int column) {
  if (column < 0 || column >= kFieldSize) return false;
  Grid()->Select(column + 1, 1, column + 1, kFieldSize);
  return true;
}

}  // namespace vl
