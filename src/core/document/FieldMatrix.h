#pragma once
// A 255 x 255 matrix indexed [column][row], column outermost, so walking the
// storage front to back is the program's traversal order (column 1..255, within a
// column row 1..255). The cells are allocated on the first write, so a document
// that is never filled (most fuzz inputs, a reader that fails early) costs nothing;
// until then every cell reads as T{} and const iteration visits no cells.

#include <cassert>
#include <vector>

#include "core/document/Field.h"

namespace vl {

template <class T>
class FieldMatrix {
 public:
  // column and row 1..255.
  T& operator()(int column, int row) {
    assert(InField(column, row));
    return Cells()[Index(column, row)];
  }
  const T& operator()(int column, int row) const {
    assert(InField(column, row));
    return At(Index(column, row));
  }
  // By traversal index 0..65 024.
  const T& At(size_t index) const {
    assert(index < kFieldCells);
    return cells_.empty() ? Empty() : cells_[index];
  }

  // Traversal-order iteration: all 65 025 cells for writing; for reading, none
  // while nothing was ever written (every cell is then T{}).
  auto begin() { return Cells().begin(); }
  auto end() { return Cells().end(); }
  auto begin() const { return cells_.begin(); }
  auto end() const { return cells_.end(); }

  void Swap(FieldMatrix& other) noexcept { cells_.swap(other.cells_); }

  static size_t Index(int column, int row) {
    return static_cast<size_t>(column - 1) * kFieldSize + static_cast<size_t>(row - 1);
  }
  static int ColumnOf(size_t index) { return static_cast<int>(index / kFieldSize) + 1; }
  static int RowOf(size_t index) { return static_cast<int>(index % kFieldSize) + 1; }

 private:
  std::vector<T>& Cells() {
    if (cells_.empty()) cells_.resize(kFieldCells);
    return cells_;
  }
  static const T& Empty() {
    static const T empty{};
    return empty;
  }

  std::vector<T> cells_;
};

}  // namespace vl
