#include <gtest/gtest.h>

#include "core/document/GridSelection.h"

namespace vl {
namespace {

using Outcome = GridSelection::Drop::Outcome;

TEST(GridSelection, HeadersSelectWholeColumnsOrRowsAndTheCornerTogglesTheField) {
  GridSelection grid;
  EXPECT_TRUE(grid.PressLeft(3, 0, false));
  EXPECT_EQ(grid.Kind(), SelectionKind::Columns);
  grid.DragTo(1, 9);  // a drag over the keys keeps whole columns
  EXPECT_EQ(grid.Selection(), (TRect{1, 1, 3, 255}));
  grid.Release();
  grid.PressLeft(0, 2, false);
  grid.DragTo(0, 0);  // dragged onto the headers: clamped to the first row
  EXPECT_EQ(grid.Kind(), SelectionKind::Rows);
  EXPECT_EQ(grid.Selection(), (TRect{1, 1, 255, 2}));
  grid.Release();
  EXPECT_FALSE(grid.PressLeft(0, 0, false));
  EXPECT_EQ(grid.Kind(), SelectionKind::Field);
  EXPECT_EQ(grid.Selection(), (TRect{1, 1, 255, 255}));
  grid.PressLeft(0, 0, false);
  EXPECT_EQ(grid.Kind(), SelectionKind::Cells);
  EXPECT_EQ(grid.Selection(), (TRect{1, 1, 1, 1}));
}

TEST(GridSelection, CellRangesGrowFromTheAnchorByDragShiftAndKeys) {
  GridSelection grid;
  grid.PressLeft(4, 4, false);
  grid.DragTo(2, 6);
  EXPECT_EQ(grid.Selection(), (TRect{2, 4, 4, 6}));
  grid.Release();
  grid.PressLeft(6, 5, true);
  EXPECT_EQ(grid.Selection(), (TRect{4, 4, 6, 5}));
  grid.KeyTo(grid.CursorColumn() + 1, grid.CursorRow(), true);
  EXPECT_EQ(grid.Selection(), (TRect{4, 4, 7, 5}));
  grid.KeyTo(300, -5, false);
  EXPECT_EQ(grid.Selection(), (TRect{255, 1, 255, 1}));
  grid.Select(250, 3, 400, 1);  // clamped, and never inside out
  EXPECT_EQ(grid.Selection(), (TRect{250, 3, 255, 3}));
}

TEST(GridSelection, RightButtonMovesOnlyABlockItIsInside) {
  GridSelection grid;
  grid.Select(2, 2, 3, 3);
  EXPECT_FALSE(grid.PressRight(5, 5));
  EXPECT_FALSE(grid.PressRight(0, 2));
  grid.SetKind(SelectionKind::Field);
  EXPECT_FALSE(grid.PressRight(2, 2));
  grid.SetKind(SelectionKind::Cells);
  grid.PressLeft(2, 2, false);  // still selecting: no move
  EXPECT_FALSE(grid.PressRight(2, 2));
  grid.Release();
  EXPECT_TRUE(grid.PressRight(2, 2));
  EXPECT_EQ(grid.State(), PointerState::Moving);
}

TEST(GridSelection, HeldBlockKeepsItsGripAndStaysInTheField) {
  GridSelection grid;
  grid.Select(10, 10, 12, 11);
  ASSERT_TRUE(grid.PressRight(11, 11));
  EXPECT_TRUE(grid.MoveTo(21, 31));
  EXPECT_EQ(grid.MoveTarget(), (TRect{20, 30, 22, 31}));
  EXPECT_FALSE(grid.MoveTo(21, 31));
  grid.MoveTo(255, 1);
  EXPECT_EQ(grid.MoveTarget(), (TRect{253, 1, 255, 2}));
  const GridSelection::Drop drop = grid.EndMove(true);
  EXPECT_EQ(drop.Result, Outcome::Shift);
  EXPECT_EQ(drop.ColumnShift, 243);
  EXPECT_EQ(drop.RowShift, -9);
  EXPECT_EQ(grid.State(), PointerState::Idle);
  grid.MoveDone();
  EXPECT_EQ(grid.Selection(), (TRect{253, 1, 255, 2}));
}

// Held whole columns move and scroll only sideways, whole rows only up and down.
TEST(GridSelection, WholeColumnsMoveOnlySidewaysAndWholeRowsOnlyUpAndDown) {
  GridSelection grid;
  grid.PressLeft(2, 0, false);
  EXPECT_FALSE(grid.ScrollsRows());
  grid.Release();
  ASSERT_TRUE(grid.PressRight(2, 5));
  EXPECT_TRUE(grid.ScrollsColumns());
  EXPECT_FALSE(grid.ScrollsRows());
  grid.MoveTo(4, 7);
  EXPECT_EQ(grid.MoveTarget(), (TRect{4, 1, 4, 255}));
  GridSelection::Drop drop = grid.EndMove(true);
  EXPECT_EQ(drop.ColumnShift, 2);
  EXPECT_EQ(drop.RowShift, 0);

  grid.PressLeft(0, 6, false);
  grid.Release();
  ASSERT_TRUE(grid.PressRight(9, 6));
  EXPECT_TRUE(grid.ScrollsRows());
  EXPECT_FALSE(grid.ScrollsColumns());
  grid.MoveTo(1, 4);
  EXPECT_EQ(grid.MoveTarget(), (TRect{1, 4, 255, 4}));
  drop = grid.EndMove(true);
  EXPECT_EQ(drop.ColumnShift, 0);
  EXPECT_EQ(drop.RowShift, -2);
}

TEST(GridSelection, DropOffTheKeysIsRefusedAndDropInPlaceAsksForTheMenu) {
  GridSelection grid;
  grid.Select(2, 2, 2, 2);
  grid.PressRight(2, 2);
  grid.MoveTo(5, 5);
  EXPECT_EQ(grid.EndMove(false).Result, Outcome::Refused);
  EXPECT_EQ(grid.Selection(), (TRect{2, 2, 2, 2}));
  grid.PressRight(2, 2);
  EXPECT_EQ(grid.EndMove(true).Result, Outcome::InPlace);
}

TEST(GridSelection, RightClickMenuFollowsTheSelectionKind) {
  GridSelection grid;
  EXPECT_EQ(grid.MenuFor(5, 5), GridMenu::View);
  grid.PressLeft(3, 0, false);
  EXPECT_EQ(grid.MenuFor(3, 0), GridMenu::Column);
  EXPECT_EQ(grid.MenuFor(0, 3), GridMenu::View);
  grid.PressLeft(0, 3, false);
  EXPECT_EQ(grid.MenuFor(0, 3), GridMenu::Row);
  EXPECT_EQ(grid.MenuFor(-1, -1), GridMenu::View);
  grid.PressLeft(0, 0, false);
  EXPECT_EQ(grid.MenuFor(7, 7), GridMenu::Key);
}

}  // namespace
}  // namespace vl
