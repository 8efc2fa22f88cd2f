#include "core/catalogue/StandardFields.h"

#include <array>

namespace vl {

std::span<const StandardField> StandardFields() {
  static constexpr std::array<StandardField, 5> kFields = {{
      {1, 8, 8, "64 (8x8)", "64 клавиши (8x8)"},
      {3, 16, 8, "128 (16x8)", "128 клавиш (16x8)"},
      {4, 15, 7, "105 (15x7)", "105 клавиш (15x7)"},
      {6, 4, 8, "32 (4x8)", "32 клавиши (4x8)"},
      {7, 4, 3, "12 (4x3)", "12 клавиш (4x3)"},
  }};
  return kFields;
}

}  // namespace vl
