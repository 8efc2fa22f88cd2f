#pragma once
// Operations on key records and on the owning references of the key matrix. A
// reference that an operation leaves pointing at a blank record is emptied.

#include <memory>

#include "core/document/MacroButton.h"

namespace vl {

using KeyRef = std::unique_ptr<TMacroButton>;

// Func = 11, every layer emptied.
void InitRecord(TMacroButton& record);

// Layer L's sequences, AutoRepeat, Click and Note cleared; Func kept. L is 0..3.
void ClearLayer(TMacroButton& record, int layer);

// Both layers 4: the whole record, Func included. Otherwise a 4 on one side takes
// the other side's value and the target layer becomes the source layer (the note
// cut to 50 characters); Func is not copied.
void CopyLayer(const TMacroButton& source, TMacroButton& target, int sourceLayer, int targetLayer);

// Nothing for an empty reference; a macro key with L 0..3 loses layer L and is
// freed if blank; anything else is freed whole.
void ClearLayerOrFree(KeyRef& reference, int layer);

// Frees the record when it is blank.
void FreeIfBlank(KeyRef& reference);

// Moves layer L (or the whole record) from source to target, then clears the
// source for L. An empty source clears the target for L.
void MoveContent(KeyRef& source, KeyRef& target, int layer);

// The paste/move target test: no record, Func 11, or a macro key whose layer L
// (0..3) is empty. With L = 4 a macro key is never free; switching keys never are.
bool IsFreeFor(const TMacroButton* record, int layer);

}  // namespace vl
