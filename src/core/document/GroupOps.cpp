#include "core/document/GroupOps.h"

#include <algorithm>

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

TRect Cover(const TRect& a, const TRect& b) {
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace

std::optional<TRect> GroupShapeAt(const TRect& selection, int columns, int rows) {
  const TRect shape{selection.Left, selection.Top, selection.Left + columns - 1, selection.Top + rows - 1};
  if (shape.Right > kFieldSize || shape.Bottom > kFieldSize) return std::nullopt;
  return shape;
}

bool IsBlockUngrouped(const TVL2Document& document, const TRect& block) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return true;
  bool ungrouped = true;
  ForEachCell(*area, [&](int column, int row) {
    ungrouped = ungrouped && !document.Groups(column, row).IsGrouped();
  });
  return ungrouped;
}

void Ungroup(TVL2Document& document, const TRect& block) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return;
  TRect covered = *area;
  {
    const StepGuard step(document, kUndoUngroup, StepScope::AllGroups());
    ForEachCell(*area, [&](int column, int row) {
      TGroupCell& cell = document.Groups(column, row);
      if (!cell.IsGrouped()) return;
      cell.Flags = 0;
      // The rectangle comes from a file; a damaged one is cut to the field and never
      // leaves this cell grouped.
      const std::optional<TRect> group = ClipToField({cell.Left, cell.Top, cell.Right, cell.Bottom});
      if (!group) return;
      ForEachCell(*group, [&](int c, int r) { document.Groups(c, r).Flags = 0; });
      covered = Cover(covered, *group);
    });
  }
  document.Notify(DocumentNotification::GroupsChanged, covered.Left * 256 + covered.Right,
                  covered.Top * 256 + covered.Bottom);
}

void PlaceGroup(TVL2Document& document, const TRect& rect, int masterColumn, int masterRow) {
  for (int column = rect.Left; column <= rect.Right; ++column) {
    for (int row = rect.Top; row <= rect.Bottom; ++row) {
      TGroupCell& cell = document.Groups(column, row);
      cell.MasterCol = static_cast<uint8_t>(masterColumn);
      cell.MasterRow = static_cast<uint8_t>(masterRow);
      cell.Left = static_cast<uint8_t>(rect.Left);
      cell.Top = static_cast<uint8_t>(rect.Top);
      cell.Right = static_cast<uint8_t>(rect.Right);
      cell.Bottom = static_cast<uint8_t>(rect.Bottom);
      // Every cell is a member; edge bits are OR-ed, so a one-column or one-row
      // group carries both bits of its degenerate side.
      uint8_t flags = kGroupMember;
      if (column == rect.Left) flags |= kGroupLeftEdge;
      if (column == rect.Right) flags |= kGroupRightEdge;
      if (row == rect.Top) flags |= kGroupTopEdge;
      if (row == rect.Bottom) flags |= kGroupBottomEdge;
      if (column == masterColumn && row == masterRow) flags |= kGroupMaster;
      cell.Flags = flags;
    }
  }
}

}  // namespace vl
