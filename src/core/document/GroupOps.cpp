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

}  // namespace vl
