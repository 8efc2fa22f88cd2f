// Inserting and deleting whole columns and rows.

#include <gtest/gtest.h>

#include "EditingFixture.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

using namespace testing;

class ColumnRowOps : public EditingTest {
 protected:

  std::string PressAt(int column, int row, int layer) const {
    const TMacroButton* key = doc.GetKey(column, row);
    return key == nullptr ? "-" : key->Layers[layer].Macro[0];
  }
};

TEST_F(ColumnRowOps, InsertWithDataInTheLastColumnsAnsweredNoChangesNothing) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.SetKey(254, 9, MacroKey(0, "\x32"));
  const UnchangedDocument unchanged = AfterASavedStep();

  prompt.answers = {Answer::No};
  EXPECT_FALSE(InsertColumns(doc, {1, 4, 2, 6}, 0, prompt));
  testing::ExpectAskedOnce(prompt,
                           "При добавлении столбцов значения правых столбцов будут удалены. "
                           "Продолжить?",
                           "Внимание", MessageButtons::YesNo, MessageIcon::Question);
  unchanged.Expect();

  prompt.answers = {Answer::Yes};
  EXPECT_TRUE(InsertColumns(doc, {1, 4, 2, 6}, 0, prompt));
  EXPECT_EQ(PressAt(1, 1, 0), "-");
  EXPECT_EQ(PressAt(3, 1, 0), "\x1c");
  EXPECT_EQ(PressAt(254, 9, 0), "-") << "pushed off the field";
  EXPECT_EQ(PressAt(255, 9, 0), "-");
  EXPECT_EQ(doc.History.UndoName(), kUndoInsertColumns);
  EXPECT_EQ(observed.observer.received.back().Kind, DocumentNotification::Repaint);
}

// Other layers of macro keys stay in place, switching keys travel whole, and the
// last columns count as data only for the layer that is inserted.
TEST_F(ColumnRowOps, InsertOnOneLayerMovesOnlyThatLayer) {
  auto key = MacroKey(0, "\x1c");
  key->Layers[1].Macro[0] = "\x32";
  doc.SetKey(5, 3, std::move(key));
  doc.SetKey(6, 3, SwitchKey(kFuncGoToLayer0 + 1));
  doc.SetKey(255, 3, MacroKey(2, "\x21"));
  doc.Notes(5, 3) = std::make_unique<TKeyNote>(TKeyNote{"note", ""});

  EXPECT_TRUE(InsertColumns(doc, {5, 1, 5, 1}, 1, prompt));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(PressAt(5, 3, 0), "\x1c");
  EXPECT_TRUE(doc.GetKey(5, 3)->Layers[1].IsEmpty());
  EXPECT_EQ(PressAt(6, 3, 1), "\x32");
  EXPECT_EQ(doc.GetKey(7, 3)->Func, kFuncGoToLayer0 + 1);
  EXPECT_EQ(doc.GetKey(6, 3)->Func, kFuncMacro) << "the moved layer made a macro key there";
  EXPECT_EQ(PressAt(255, 3, 2), "\x21");
  EXPECT_NE(doc.GetNote(5, 3), nullptr);
  EXPECT_EQ(doc.GetNote(6, 3), nullptr) << "notes stay at their cells";
}

TEST_F(ColumnRowOps, InsertRowsAsksAboutTheBottomRows) {
  doc.SetKey(4, 255, SwitchKey(kFuncLayerUp));
  doc.SetKey(4, 10, MacroKey(3, "\x1c"));
  prompt.answers = {Answer::Yes};
  EXPECT_TRUE(InsertRows(doc, {1, 10, 1, 10}, 3, prompt));
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.shown[0].text,
            "При добавлении строк значения нижних строк будут удалены. Продолжить?");
  EXPECT_EQ(doc.GetKey(4, 255), nullptr);
  EXPECT_EQ(PressAt(4, 11, 3), "\x1c");
  EXPECT_EQ(doc.GetKey(4, 10), nullptr);
  EXPECT_EQ(doc.History.UndoName(), kUndoInsertRows);
}

TEST_F(ColumnRowOps, InsertingTheWholeFieldClearsIt) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.SetKey(255, 255, MacroKey(0, "\x1c"));
  prompt.answers = {Answer::Yes};
  EXPECT_TRUE(InsertColumns(doc, {1, 1, 255, 255}, kAllLayers, prompt));
  EXPECT_TRUE(Snapshot(doc.Keys).empty());
}

TEST_F(ColumnRowOps, DeleteColumnsPullsTheRightPartLeft) {
  doc.SetKey(3, 1, MacroKey(0, "\x1c"));
  doc.SetKey(5, 1, MacroKey(0, "\x32"));
  doc.SetKey(255, 200, MacroKey(0, "\x21"));
  doc.Keys(255, 200)->Layers[2].Macro[0] = "\x22";

  DeleteColumns(doc, {3, 7, 4, 7}, 0);
  EXPECT_EQ(PressAt(3, 1, 0), "\x32");
  EXPECT_EQ(doc.GetKey(5, 1), nullptr);
  EXPECT_EQ(PressAt(253, 200, 0), "\x21");
  EXPECT_TRUE(doc.GetKey(253, 200)->Layers[2].IsEmpty());
  EXPECT_EQ(PressAt(255, 200, 2), "\x22") << "the other layer stays in the last column";
  EXPECT_EQ(doc.History.UndoName(), kUndoDeleteColumns);
  EXPECT_EQ(observed.observer.received.back().Kind, DocumentNotification::Repaint);
}

TEST_F(ColumnRowOps, DeleteRowsPullsTheLowerPartUp) {
  doc.SetKey(9, 2, MacroKey(1, "\x1c"));
  doc.SetKey(9, 4, SwitchKey(kFuncLayerDown));
  doc.SetKey(9, 255, MacroKey(1, "\x32"));

  DeleteRows(doc, {1, 2, 1, 3}, 1);
  EXPECT_EQ(doc.GetKey(9, 2)->Func, kFuncLayerDown);
  EXPECT_EQ(doc.GetKey(9, 4), nullptr);
  EXPECT_EQ(PressAt(9, 253, 1), "\x32");
  EXPECT_EQ(doc.GetKey(9, 255), nullptr);
  EXPECT_EQ(doc.History.UndoName(), kUndoDeleteRows);
}

}  // namespace
}  // namespace vl
