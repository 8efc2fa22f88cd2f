#pragma once
// Ungrouping keys, the test the group commands make before grouping, and the
// group cells as a reader places them. Making a group and moving its master as
// edits are TVL2Document::MakeGroup and SetMaster.

#include <optional>

#include "core/document/VL2Document.h"

namespace vl {

// True when no cell of the block belongs to a group.
bool IsBlockUngrouped(const TVL2Document& document, const TRect& block);

// The block of a fixed group shape, columns x rows, growing right and down from
// the selection's top-left key; none where the field's edge leaves no room.
std::optional<TRect> GroupShapeAt(const TRect& selection, int columns, int rows);

// Releases every group that has a cell in the block: Flags become 0 on all cells
// of its rectangle (the other bytes stay). Notifies GroupsChanged with the
// smallest rectangle covering the block and the released groups, and sets
// Modified.
void Ungroup(TVL2Document& document, const TRect& block);

// The cells of rect made one group with its master at (masterColumn, masterRow),
// which must lie in rect, as MakeGroup makes them but without a history step or a
// notification: for a document being built (a reader), whose first state is no
// edit to undo.
void PlaceGroup(TVL2Document& document, const TRect& rect, int masterColumn, int masterRow);

}  // namespace vl
