#pragma once
// Writing the key function window's edits into the selected keys. The window
// keeps one changed flag per editable field; only flagged fields are written, so
// editing several keys at once changes only what the user changed.

#include <bitset>

#include "core/document/VL2Document.h"

namespace vl {

// The window's flags in its own order: four press lines, four autorepeat boxes,
// four release lines, four click durations, four notes, the key function and a
// spare flag.
inline constexpr int kChangedFlagCount = 22;
enum class LayerField { Press = 0, AutoRepeat = 4, Release = 8, Click = 12, Note = 16 };
inline constexpr int kChangedFunction = 20;
using ChangedFlags = std::bitset<kChangedFlagCount>;
// The twenty flags of the layer fields.
inline constexpr ChangedFlags kLayerFieldFlags{(1ull << kChangedFunction) - 1};

// The flag of one field of layer 0..3.
constexpr size_t ChangedFlag(LayerField field, size_t layer) { return static_cast<size_t>(field) + layer; }

// One history step "изменение данных": sets every flagged field of
// every key of the block from the record (the layer note cut to 50 characters);
// a key without a record becomes a macro key first, and a key left blank is
// freed. The key function is set where flagged. Sets Modified when a key changed
// and notifies ContentChanged. With no flag set nothing happens, so a window that
// loses the focus without an edit adds no history step.
void ApplyRecord(TVL2Document& document, const TRect& block, const TMacroButton& record,
                 const ChangedFlags& changed);

}  // namespace vl
