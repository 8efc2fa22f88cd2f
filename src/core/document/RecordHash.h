#pragma once
// A hash of a key record consistent with its equality, for finding equal keys
// without comparing every pair.

#include <cstddef>

#include "core/document/MacroButton.h"

namespace vl {

size_t HashRecord(const TMacroButton& record);

}  // namespace vl
