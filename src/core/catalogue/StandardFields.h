#pragma once
// The five standard keyboard fields the layout window offers.

#include <span>

namespace vl {

struct StandardField {
  int TypeCode;             // also marks old layout files
  int Columns;
  int Rows;
  const char* Caption;      // command caption
  const char* Description;  // key note text set on every key of the block (UTF-8)
};

std::span<const StandardField> StandardFields();

}  // namespace vl
