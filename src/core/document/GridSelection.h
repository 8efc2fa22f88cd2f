#pragma once
// GridSelection: the key grid's selection and its right-button block move, in
// cells. The grid widget turns mouse and key events into these calls (column or
// row 0 is a header) and paints what they leave; the rules live here.

#include <optional>

#include "core/document/Field.h"

namespace vl {

enum class SelectionKind { Cells, Rows, Columns, Field };
enum class PointerState { Idle, Selecting, Moving };
// The pop-up menu a right click without a move asks for.
enum class GridMenu { View, Key, Column, Row };

class GridSelection {
 public:
  // How a block move ended: refused (dropped outside the keys), in place (the
  // key menu is wanted instead) or a shift to apply to the document.
  struct Drop {
    enum class Outcome { Refused, InPlace, Shift };
    Outcome Result = Outcome::InPlace;
    int ColumnShift = 0;
    int RowShift = 0;
  };

  const TRect& Selection() const { return selection_; }
  SelectionKind Kind() const { return kind_; }
  PointerState State() const { return state_; }
  // The keyboard's current cell.
  int CursorColumn() const { return cursorColumn_; }
  int CursorRow() const { return cursorRow_; }
  // Where the held block would land.
  const TRect& MoveTarget() const { return moveTarget_; }

  // Clamped to the field; the top-left becomes the cursor and the range anchor.
  // The kind stays as it is.
  void Select(int left, int top, int right, int bottom);
  void SetKind(SelectionKind kind) { kind_ = kind; }

  // The left button at a cell or header: the corner toggles the whole field,
  // a header starts a column or row selection, a key a cell selection (Shift
  // extends it from the anchor). Returns true when a drag begins.
  bool PressLeft(int column, int row, bool shift);
  // The pointer dragged to a cell or header while selecting (clamped to keys).
  void DragTo(int column, int row);
  // The right button at a cell: a move starts on a key inside the selection
  // unless the whole field is selected. Returns true when it started.
  bool PressRight(int column, int row);
  // The pointer over a key while moving: the target follows, kept in the field
  // and, for whole rows or columns, in their own direction. True when it moved.
  bool MoveTo(int column, int row);
  // The right button released while moving; onKey is false over a header or
  // outside the grid. Leaves the pointer idle.
  Drop EndMove(bool onKey);
  // The document took the shift: the selection follows the block.
  void MoveDone() { selection_ = moveTarget_; }
  // Any button released, or a left press during a move: the pointer is idle.
  void Release() { state_ = PointerState::Idle; }

  // The menu for a right click at (column, row) (negative outside the grid).
  GridMenu MenuFor(int column, int row) const;
  // The keyboard moved the cursor; Shift extends from the anchor.
  void KeyTo(int column, int row, bool shift);

  // Which directions autoscroll may take while a button is held.
  bool ScrollsRows() const;
  bool ScrollsColumns() const;

 private:
  // The cursor to a key; the range anchor follows unless the range is extended.
  void PlaceCursor(int column, int row, bool shift);
  void SetRange(int column, int row);

  SelectionKind kind_ = SelectionKind::Cells;
  PointerState state_ = PointerState::Idle;
  TRect selection_;
  int anchor_ = 1;  // the header a column or row drag started at
  int rangeColumn_ = 1;
  int rangeRow_ = 1;
  int cursorColumn_ = 1;
  int cursorRow_ = 1;
  int moveColumnOffset_ = 0;
  int moveRowOffset_ = 0;
  TRect moveTarget_;
};

}  // namespace vl
