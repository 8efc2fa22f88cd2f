#pragma once
// The body of an old-format layout file (*.mkb, versions below 2.0).

#include <cstdint>

#include "core/document/LayoutByteReader.h"
#include "core/document/VL2Document.h"

namespace vl {

// Reads the body after the two header bytes into the document; keyboardType is the
// header's first byte, which sizes the old key-type table. Throws LayoutFormatError.
void ReadLegacyLayoutBody(LayoutByteReader& in, uint8_t keyboardType, TVL2Document& document);

}  // namespace vl
