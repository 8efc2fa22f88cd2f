#pragma once
// A 255 x 255 matrix indexed [column][row], column outermost, so walking the
// storage front to back is the program's traversal order (column 1..255, within a
// column row 1..255). Allocated once with the document; indexing is direct.

#include <cassert>
#include <vector>

#include "core/document/Field.h"

namespace vl {

template <class T>
class FieldMatrix {
 public:
  FieldMatrix() : cells_(kFieldCells) {}

  // column and row 1..255.
  T& operator()(int column, int row) {
    assert(InField(column, row));
    return cells_[Index(column, row)];
  }
  const T& operator()(int column, int row) const {
    assert(InField(column, row));
    return cells_[Index(column, row)];
  }

  // Traversal-order iteration over all 65 025 cells.
  auto begin() { return cells_.begin(); }
  auto end() { return cells_.end(); }
  auto begin() const { return cells_.begin(); }
  auto end() const { return cells_.end(); }

  void Swap(FieldMatrix& other) noexcept { cells_.swap(other.cells_); }

  static size_t Index(int column, int row) {
    return static_cast<size_t>(column - 1) * kFieldSize + static_cast<size_t>(row - 1);
  }
  static int ColumnOf(size_t index) { return static_cast<int>(index / kFieldSize) + 1; }
  static int RowOf(size_t index) { return static_cast<int>(index % kFieldSize) + 1; }

 private:
  std::vector<T> cells_;
};

}  // namespace vl
