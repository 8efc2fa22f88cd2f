#pragma once
// A 255 x 255 matrix indexed [column][row], column outermost, so walking the
// storage front to back is the program's traversal order (column 1..255, within a
// column row 1..255). Cells exist only up to the last one written in that order:
// a document that is never filled (most fuzz inputs, a reader that fails early)
// costs nothing, and one whose keys lie in the first columns costs only those.
// Every cell beyond reads as T{}, and const iteration visits the cells that exist,
// from the first, so an iterator's distance from begin() is still the traversal
// index. Room for the whole field is reserved on the first write, so a reference
// to a cell stays valid while the field grows.

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
    return Cell(Index(column, row));
  }
  const T& operator()(int column, int row) const {
    assert(InField(column, row));
    return At(Index(column, row));
  }
  // By traversal index 0..65 024.
  const T& At(size_t index) const {
    assert(index < kFieldCells);
    return index < cells_.size() ? cells_[index] : Empty();
  }

  // Traversal-order iteration: all 65 025 cells for writing; for reading, the
  // cells up to the last one written (none while nothing was).
  auto begin() { return Whole().begin(); }
  auto end() { return Whole().end(); }
  auto begin() const { return cells_.begin(); }
  auto end() const { return cells_.end(); }

  void Swap(FieldMatrix& other) noexcept { cells_.swap(other.cells_); }

  static size_t Index(int column, int row) {
    return static_cast<size_t>(column - 1) * kFieldSize + static_cast<size_t>(row - 1);
  }
  static int ColumnOf(size_t index) { return static_cast<int>(index / kFieldSize) + 1; }
  static int RowOf(size_t index) { return static_cast<int>(index % kFieldSize) + 1; }

 private:
  T& Cell(size_t index) {
    // The whole field's room first (a copy holds only what it copied), so the
    // cells never move once a reference to one is out.
    if (cells_.capacity() < kFieldCells) cells_.reserve(kFieldCells);
    if (cells_.size() <= index) cells_.resize(index + 1);
    return cells_[index];
  }
  std::vector<T>& Whole() {
    Cell(kFieldCells - 1);
    return cells_;
  }
  static const T& Empty() {
    static const T empty{};
    return empty;
  }

  std::vector<T> cells_;
};

}  // namespace vl
