#pragma once
// Helpers shared by the editing operations: block clipping, the block walk and
// the common ending of a content change.

#include <algorithm>
#include <optional>

#include "core/document/VL2Document.h"

namespace vl {

// The block with its sides ordered and cut to columns and rows 1..255; nullopt
// when nothing of it lies in the field. Operations never touch cells outside.
std::optional<TRect> ClipToField(const TRect& block);

// Calls visit(column, row) for every cell of a clipped block, column outermost.
template <class Visit>
void ForEachCell(const TRect& block, Visit&& visit) {
  for (int column = block.Left; column <= block.Right; ++column) {
    for (int row = block.Top; row <= block.Bottom; ++row) visit(column, row);
  }
}

// Tells the owner, once the edit's history step is closed (the history sets
// Modified), so that what the owner asks of the history is already true.
void FinishEdit(TVL2Document& document,
                DocumentNotification kind = DocumentNotification::ContentChanged);

}  // namespace vl
