#pragma once
// Random key fields for the editing tests: every kind of record the editor meets,
// with contents distinct enough that a record in the wrong cell is noticed.

#include <random>
#include <string>

#include "core/document/VL2Document.h"

namespace vl::testing {

// A random record or nullptr: macro keys with some layers filled, switching keys,
// and function-less records that still carry layers (as files may hold them).
inline std::unique_ptr<TMacroButton> RandomKey(std::mt19937& random) {
  const int kind = static_cast<int>(random() % 8);
  if (kind < 3) return nullptr;
  auto key = std::make_unique<TMacroButton>();
  if (kind < 6) {
    key->Func = kFuncMacro;
  } else if (kind == 6) {
    key->Func = static_cast<uint8_t>(1 + random() % 10);
  }
  for (TMacros& layer : key->Layers) {
    if (random() % 2 == 0) continue;
    layer.Macro[0] = std::string(1 + random() % 3, static_cast<char>(random() % 0x80));
    if (random() % 3 == 0) layer.Macro[1] = "\xf0" + layer.Macro[0].substr(0, 1);
    layer.AutoRepeat = static_cast<uint8_t>(random() % 2);
    if (random() % 4 == 0) layer.Note = std::to_string(random());
  }
  return key;
}

// Fills the rectangle with random keys.
inline void FillRandom(TVL2Document& document, const TRect& area, std::mt19937& random) {
  for (int column = area.Left; column <= area.Right; ++column) {
    for (int row = area.Top; row <= area.Bottom; ++row) {
      document.SetKey(column, row, RandomKey(random));
    }
  }
}

}  // namespace vl::testing
