#include "core/document/GridSelection.h"

#include <algorithm>

namespace vl {

namespace {

int ClampToField(int value) { return std::clamp(value, 1, kFieldSize); }

}  // namespace

void GridSelection::Select(int left, int top, int right, int bottom) {
  selection_ = {std::max(left, 1), std::max(top, 1), std::min(right, kFieldSize),
                std::min(bottom, kFieldSize)};
  selection_.Right = std::max(selection_.Right, selection_.Left);
  selection_.Bottom = std::max(selection_.Bottom, selection_.Top);
  cursorColumn_ = rangeColumn_ = selection_.Left;
  cursorRow_ = rangeRow_ = selection_.Top;
}

bool GridSelection::PressLeft(int column, int row, bool shift) {
  state_ = PointerState::Idle;
  if (column == 0 && row == 0) {
    if (kind_ == SelectionKind::Field) {
      kind_ = SelectionKind::Cells;
      Select(1, 1, 1, 1);
    } else {
      kind_ = SelectionKind::Field;
      Select(1, 1, kFieldSize, kFieldSize);
    }
    return false;
  }
  state_ = PointerState::Selecting;
  if (row == 0) {
    kind_ = SelectionKind::Columns;
    anchor_ = column;
    selection_ = {column, 1, column, kFieldSize};
  } else if (column == 0) {
    kind_ = SelectionKind::Rows;
    anchor_ = row;
    selection_ = {1, row, kFieldSize, row};
  } else {
    kind_ = SelectionKind::Cells;
    PlaceCursor(column, row, shift);
  }
  return true;
}

void GridSelection::SetRange(int column, int row) {
  cursorColumn_ = column;
  cursorRow_ = row;
  selection_ = {std::min(rangeColumn_, column), std::min(rangeRow_, row),
                std::max(rangeColumn_, column), std::max(rangeRow_, row)};
}

void GridSelection::DragTo(int column, int row) {
  column = ClampToField(column);
  row = ClampToField(row);
  if (kind_ == SelectionKind::Columns) {
    selection_ = {std::min(anchor_, column), 1, std::max(anchor_, column), kFieldSize};
  } else if (kind_ == SelectionKind::Rows) {
    selection_ = {1, std::min(anchor_, row), kFieldSize, std::max(anchor_, row)};
  } else {
    SetRange(column, row);
  }
}

bool GridSelection::PressRight(int column, int row) {
  if (state_ == PointerState::Selecting || kind_ == SelectionKind::Field) return false;
  if (column <= 0 || row <= 0 || !selection_.Contains(column, row)) return false;
  state_ = PointerState::Moving;
  moveColumnOffset_ = column - selection_.Left;
  moveRowOffset_ = row - selection_.Top;
  moveTarget_ = selection_;
  return true;
}

bool GridSelection::MoveTo(int column, int row) {
  if (state_ != PointerState::Moving) return false;
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
  if (target == moveTarget_) return false;
  moveTarget_ = target;
  return true;
}

GridSelection::Drop GridSelection::EndMove(bool onKey) {
  state_ = PointerState::Idle;
  if (!onKey) return {Drop::Outcome::Refused, 0, 0};
  Drop drop{Drop::Outcome::Shift, moveTarget_.Left - selection_.Left, moveTarget_.Top - selection_.Top};
  if (kind_ == SelectionKind::Rows) drop.ColumnShift = 0;
  if (kind_ == SelectionKind::Columns) drop.RowShift = 0;
  if (drop.ColumnShift == 0 && drop.RowShift == 0) drop.Result = Drop::Outcome::InPlace;
  return drop;
}

GridMenu GridSelection::MenuFor(int column, int row) const {
  switch (kind_) {
    case SelectionKind::Cells: break;
    case SelectionKind::Rows: return column == 0 && row > 0 ? GridMenu::Row : GridMenu::View;
    case SelectionKind::Columns: return row == 0 && column > 0 ? GridMenu::Column : GridMenu::View;
    case SelectionKind::Field: return GridMenu::Key;
  }
  return GridMenu::View;
}

void GridSelection::KeyTo(int column, int row, bool shift) {
  kind_ = SelectionKind::Cells;
  PlaceCursor(ClampToField(column), ClampToField(row), shift);
}

void GridSelection::PlaceCursor(int column, int row, bool shift) {
  if (!shift) {
    rangeColumn_ = column;
    rangeRow_ = row;
  }
  SetRange(column, row);
}

// Whole columns, whether selected or held, only go sideways; whole rows only
// up and down.
bool GridSelection::ScrollsRows() const { return kind_ != SelectionKind::Columns; }

bool GridSelection::ScrollsColumns() const { return kind_ != SelectionKind::Rows; }

}  // namespace vl
