#pragma once
// The body of an old-format layout file (*.mkb, versions below 2.0).

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/document/LayoutByteReader.h"
#include "core/document/VL2Document.h"

namespace vl {

// Columns x rows of the old key-type table for a keyboard type (the header's first
// byte); nullopt for a type the old program did not know.
std::optional<size_t> LegacyKeyTypeTableSize(uint8_t keyboardType);

// Reads the body after the two header bytes into the document; keyboardType is the
// header's first byte, which sizes the old key-type table. Throws LayoutFormatError.
void ReadLegacyLayoutBody(LayoutByteReader& in, uint8_t keyboardType, TVL2Document& document);

}  // namespace vl
