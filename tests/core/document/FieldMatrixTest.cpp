// The field matrix allocates its cells on the first write; before that every cell
// must read as empty and swaps and undo must not lose or invent records.

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <utility>

#include "core/document/FieldMatrix.h"
#include "core/document/ApplyRecord.h"
#include "core/document/VL2Document.h"

namespace vl {
namespace {

TEST(FieldMatrix, UnwrittenCellsReadEmptyAndTheFirstWriteKeepsTheRestEmpty) {
  FieldMatrix<int> matrix;
  const auto& reader = std::as_const(matrix);
  EXPECT_EQ(reader(1, 1), 0);
  EXPECT_EQ(reader(255, 255), 0);
  EXPECT_EQ(reader.At(kFieldCells - 1), 0);
  EXPECT_EQ(reader.begin(), reader.end());

  int& written = matrix(3, 7);
  written = 5;
  EXPECT_EQ(reader(3, 7), 5);
  EXPECT_EQ(reader.At(FieldMatrix<int>::Index(3, 7)), 5);
  EXPECT_EQ(reader(7, 3), 0);
  // Reading visits the cells from the first to the last written, in traversal order.
  EXPECT_EQ(static_cast<size_t>(reader.end() - reader.begin()), FieldMatrix<int>::Index(3, 7) + 1);
  EXPECT_EQ(*(reader.begin() + static_cast<std::ptrdiff_t>(FieldMatrix<int>::Index(3, 7))), 5);

  // A cell written further on leaves the first reference good; writing through
  // iteration opens the whole field.
  matrix(255, 255) = 6;
  written = 7;
  EXPECT_EQ(reader(3, 7), 7);
  EXPECT_EQ(reader(255, 255), 6);
  FieldMatrix<int> copy = matrix;
  FieldMatrix<int> small;
  small(1, 2) = 1;
  FieldMatrix<int> copied = small;
  int& first = copied(1, 2);
  copied(200, 1) = 2;
  first = 3;
  EXPECT_EQ(std::as_const(copied)(1, 2), 3);
  EXPECT_EQ(std::as_const(copy)(3, 7), 7);
  FieldMatrix<int> iterated;
  EXPECT_EQ(static_cast<size_t>(iterated.end() - iterated.begin()), kFieldCells);

  FieldMatrix<int> empty;
  matrix.Swap(empty);
  EXPECT_EQ(reader(3, 7), 0);
  EXPECT_EQ(std::as_const(empty)(3, 7), 7);
}

TEST(FieldMatrix, UndoOfAFirstEditRestoresTheEmptyField) {
  TVL2Document document;
  TMacroButton record;
  record.Layers[0].Macro[0] = "\x1C";
  ChangedFlags changed;
  changed.set(ChangedFlag(LayerField::Press, 0));
  ApplyRecord(document, {4, 4, 4, 4}, record, changed);
  document.History.Undo();
  EXPECT_EQ(document.GetKey(4, 4), nullptr);
  document.History.Redo();
  ASSERT_NE(document.GetKey(4, 4), nullptr);
  EXPECT_EQ(document.GetKey(4, 4)->Layers[0].Macro[0], "\x1C");
}

}  // namespace
}  // namespace vl
