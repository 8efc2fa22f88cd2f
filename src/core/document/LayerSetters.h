#pragma once
// Setting one field of a layer over a block, as the special paste does. Each
// setter works on layer L of every key of the block, or on all four layers with
// L = 4, creating missing records; a key left blank is freed, and a record that
// remains becomes a macro key (Func 0). Each sets Modified and notifies
// ContentChanged. Each is one history step (the special paste makes its setters one step).

#include <cstdint>
#include <string>

#include "core/document/VL2Document.h"

namespace vl {

enum class SequenceKind { Press = 0, Release = 1 };

// Stores the scan-code bytes as the press or release sequence. A sequence longer
// than 255 bytes cannot be stored: false, and nothing changes.
bool SetSequence(TVL2Document& document, const TRect& block, int layer, SequenceKind which,
                 const std::string& bytes);

// Stores the value in AutoRepeat.
void SetAutoRepeat(TVL2Document& document, const TRect& block, int layer, uint8_t value);

// Stores the layer note (code page 1251), cut to 50 characters.
void SetLayerNote(TVL2Document& document, const TRect& block, int layer, const std::string& text);

}  // namespace vl
