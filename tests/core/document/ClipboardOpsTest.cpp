// Copy, cut, clear and paste through the program's key clipboard.

#include <gtest/gtest.h>

#include "EditingFixture.h"
#include "core/document/BlockOps.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

using namespace testing;

constexpr const char* kPasteQuestion =
    "Прямоугольник данных в буфере обмена превосходит выделенный. Вставить ячейки буфера в "
    "выделенный прямоугольник?\r[Да] - вставить ячейки буфера в выделенный прямоугольник;\r"
    "[Нет] - вставить все ячейки буфера;\r[Отмена] - отменить вставку;";

class ClipboardOps : public EditingTest {
 protected:
  Clipboard clipboard;

  // A 2 x 2 block at (10, 10): a macro key with layers 0 and 1, a switching key, a
  // macro key with layer 1 only, and an empty cell.
  void FillBlock() {
    auto macro = MacroKey(0, "\x1c");
    macro->Layers[1].Macro[1] = "\xf0\x1c";
    doc.SetKey(10, 10, std::move(macro));
    doc.SetKey(11, 10, SwitchKey(kFuncShiftToLayer0 + 2));
    doc.SetKey(10, 11, MacroKey(1, "\x32"));
  }
};

TEST_F(ClipboardOps, CopyTakesSwitchingKeysWholeAndMacroKeysOnTheLayerOnly) {
  FillBlock();
  ASSERT_TRUE(Copy(doc, clipboard, {10, 10, 11, 11}, 0, prompt));
  EXPECT_EQ(clipboard.Width(), 2);
  EXPECT_EQ(clipboard.Height(), 2);
  EXPECT_EQ(clipboard.Layer(), 0);
  ASSERT_NE(clipboard.Cell(0, 0), nullptr);
  EXPECT_EQ(clipboard.Cell(0, 0)->Func, kFuncMacro);
  EXPECT_EQ(clipboard.Cell(0, 0)->Layers[0].Macro[0], "\x1c");
  EXPECT_TRUE(clipboard.Cell(0, 0)->Layers[1].IsEmpty());
  EXPECT_EQ(*clipboard.Cell(1, 0), *doc.GetKey(11, 10));
  EXPECT_EQ(clipboard.Cell(0, 1), nullptr) << "nothing on layer 0: the cell is freed";
  EXPECT_EQ(clipboard.Cell(1, 1), nullptr);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(observed.observer.received.empty());
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ClipboardOps, PastingIntoAnotherLayerReplacesSwitchingKeysWhole) {
  FillBlock();
  ASSERT_TRUE(Copy(doc, clipboard, {10, 10, 11, 11}, 0, prompt));
  auto target = MacroKey(3, "\x2b");
  target->Layers[2].Macro[0] = "\x2c";
  doc.SetKey(21, 30, std::move(target));
  doc.SetKey(20, 30, MacroKey(2, "\x21"));

  ASSERT_TRUE(Paste(doc, clipboard, {20, 30, 20, 30}, 2, prompt));
  EXPECT_EQ(*doc.GetKey(21, 30), *doc.GetKey(11, 10)) << "the switching key replaced all layers";
  const TMacroButton* pasted = doc.GetKey(20, 30);
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->Layers[2].Macro[0], "\x1c") << "layer 0 of the copy lands on layer 2";
  EXPECT_TRUE(pasted->Layers[0].IsEmpty());
}

TEST_F(ClipboardOps, LayerOfTheCopyAndOfThePasteCombine) {
  doc.SetKey(1, 1, MacroKey(1, "\x1c"));
  doc.Keys(1, 1)->Layers[3].Macro[0] = "\x32";
  doc.SetKey(1, 2, MacroKey(1, "\x21"));

  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 1, 2}, 1, prompt));
  ASSERT_TRUE(Paste(doc, clipboard, {5, 1, 5, 1}, kAllLayers, prompt));
  ASSERT_NE(doc.GetKey(5, 1), nullptr);
  EXPECT_EQ(doc.GetKey(5, 1)->Layers[1].Macro[0], "\x1c") << "one copied layer keeps its layer";
  EXPECT_TRUE(doc.GetKey(5, 1)->Layers[3].IsEmpty());

  // An all-layer copy pasted into one layer gives that layer of the copy, not
  // the copy's first layer with content.
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 1, 2}, kAllLayers, prompt));
  ASSERT_TRUE(Paste(doc, clipboard, {7, 1, 7, 1}, 3, prompt));
  ASSERT_NE(doc.GetKey(7, 1), nullptr);
  EXPECT_EQ(doc.GetKey(7, 1)->Layers[3].Macro[0], "\x32");
  EXPECT_TRUE(doc.GetKey(7, 1)->Layers[1].IsEmpty());
  EXPECT_EQ(doc.GetKey(7, 2), nullptr) << "nothing on layer 3 there: no record";
}

TEST_F(ClipboardOps, EmptyCopyWarnsAndKeepsTheClipboard) {
  FillBlock();
  ASSERT_TRUE(Copy(doc, clipboard, {10, 10, 11, 10}, 0, prompt));
  // Content on layer 1 only counts as nothing for layer 0.
  EXPECT_FALSE(Copy(doc, clipboard, {10, 11, 12, 12}, 0, prompt));
  testing::ExpectAskedOnce(prompt, "Копируемый фрагмент пуст.", "Внимание", MessageButtons::Ok,
                           MessageIcon::Warning);
  EXPECT_EQ(clipboard.Width(), 2);
  EXPECT_EQ(clipboard.Height(), 1);
  EXPECT_NE(clipboard.Cell(1, 0), nullptr);
}

TEST_F(ClipboardOps, CutCopiesThenClearsButLeavesAnEmptyBlockAlone) {
  FillBlock();
  doc.Notes(12, 12) = std::make_unique<TKeyNote>(TKeyNote{"note", ""});
  EXPECT_FALSE(Cut(doc, clipboard, {12, 12, 13, 13}, 0, prompt));
  EXPECT_NE(doc.GetNote(12, 12), nullptr) << "nothing was cut, so no note is lost";
  EXPECT_FALSE(doc.Modified);

  ASSERT_TRUE(Cut(doc, clipboard, {10, 10, 11, 11}, 0, prompt));
  EXPECT_EQ(clipboard.Cell(0, 0)->Layers[0].Macro[0], "\x1c");
  EXPECT_EQ(doc.GetKey(11, 10), nullptr);
  EXPECT_TRUE(doc.GetKey(10, 10)->Layers[0].IsEmpty());
  EXPECT_FALSE(doc.GetKey(10, 10)->Layers[1].IsEmpty());
  EXPECT_EQ(doc.History.UndoName(), "удаление");
}

TEST_F(ClipboardOps, ClearFreesTheLastContentOfAKeyWithItsNote) {
  doc.SetKey(3, 3, MacroKey(0, "\x1c"));
  doc.Notes(3, 3) = std::make_unique<TKeyNote>(TKeyNote{"note", "mark"});
  doc.SetKey(3, 4, MacroKey(0, "\x1c"));
  doc.Keys(3, 4)->Layers[1].Note = "kept";
  doc.Notes(3, 4) = std::make_unique<TKeyNote>(TKeyNote{"stays", ""});
  doc.Notes(3, 5) = std::make_unique<TKeyNote>(TKeyNote{"no key", ""});
  doc.SetKey(3, 6, SwitchKey(kFuncLayerUp, ""));

  Clear(doc, {3, 3, 3, 6}, 0);
  EXPECT_EQ(doc.GetKey(3, 3), nullptr);
  EXPECT_EQ(doc.GetNote(3, 3), nullptr);
  ASSERT_NE(doc.GetKey(3, 4), nullptr);
  EXPECT_NE(doc.GetNote(3, 4), nullptr) << "a key that keeps its record keeps its note";
  EXPECT_EQ(doc.GetNote(3, 5), nullptr) << "a key without a record loses its note";
  EXPECT_EQ(doc.GetKey(3, 6), nullptr) << "a switching key goes whole, even with the layer empty";
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(doc.History.UndoName(), "удаление");
  EXPECT_EQ(observed.observer.received.back().Kind, DocumentNotification::ContentChanged);
}

TEST_F(ClipboardOps, PasteWithEmptyClipboardDoesNothing) {
  EXPECT_FALSE(Paste(doc, clipboard, {1, 1, 3, 3}, 0, prompt));
  EXPECT_FALSE(doc.Modified);
  EXPECT_FALSE(doc.History.CanUndo());
  EXPECT_TRUE(observed.observer.received.empty());
}

TEST_F(ClipboardOps, OneKeyClipboardFillsTheWholeSelection) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.Keys(1, 1)->Layers[2].AutoRepeat = 1;
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 1, 1}, kAllLayers, prompt));
  doc.SetKey(6, 6, SwitchKey(kFuncLayerDown));

  ASSERT_TRUE(Paste(doc, clipboard, {5, 5, 7, 7}, 3, prompt));
  for (int column = 5; column <= 7; ++column) {
    for (int row = 5; row <= 7; ++row) {
      ASSERT_NE(doc.GetKey(column, row), nullptr);
      EXPECT_EQ(*doc.GetKey(column, row), *doc.GetKey(1, 1)) << column << "," << row;
    }
  }
  EXPECT_EQ(doc.GetKey(8, 5), nullptr);
  EXPECT_EQ(doc.History.UndoName(), "вставку");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ClipboardOps, FiveByFivePasteAtColumn253IsCutAtTheEdge) {
  for (int column = 1; column <= 5; ++column) {
    for (int row = 1; row <= 5; ++row) doc.SetKey(column, row, MacroKey(0, "\x1c"));
  }
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 5, 5}, 0, prompt));
  ASSERT_TRUE(Paste(doc, clipboard, {253, 100, 253, 100}, 0, prompt));
  int pasted = 0;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 100; row <= 104; ++row) pasted += doc.GetKey(column, row) != nullptr;
  }
  EXPECT_EQ(pasted, 15);
  EXPECT_NE(doc.GetKey(255, 104), nullptr);
  const std::vector<testing::Notification> expected{
      {DocumentNotification::SelectBlock, 2, 4}, {DocumentNotification::ContentChanged, 0, 0}};
  EXPECT_EQ(observed.observer.received, expected);
}

TEST_F(ClipboardOps, LargeSelectionTakesTheClipboardSize) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.SetKey(2, 2, MacroKey(0, "\x1c"));
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 2, 2}, 0, prompt));
  doc.SetKey(12, 12, MacroKey(0, "\x32"));
  ASSERT_TRUE(Paste(doc, clipboard, {10, 10, 14, 14}, 0, prompt));
  EXPECT_NE(doc.GetKey(10, 10), nullptr);
  EXPECT_EQ(doc.GetKey(11, 10), nullptr) << "an empty clipboard cell clears its target";
  EXPECT_EQ(doc.GetKey(12, 12)->Layers[0].Macro[0], "\x32") << "outside the clipboard's size";
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ClipboardOps, SmallerSelectionAsksHowMuchToPaste) {
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 2; ++row) doc.SetKey(column, row, MacroKey(0, "\x1c"));
  }
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 4, 2}, 0, prompt));

  prompt.answers = {Answer::Yes};
  ASSERT_TRUE(Paste(doc, clipboard, {10, 10, 11, 13}, 0, prompt));
  testing::ExpectAskedOnce(prompt, kPasteQuestion, "Внимание", MessageButtons::YesNoCancel,
                           MessageIcon::Question);
  EXPECT_NE(doc.GetKey(11, 11), nullptr);
  EXPECT_EQ(doc.GetKey(12, 10), nullptr) << "the selection is two columns wide";
  EXPECT_EQ(doc.GetKey(10, 12), nullptr) << "the clipboard holds only two rows";

  prompt.answers = {Answer::No};
  ASSERT_TRUE(Paste(doc, clipboard, {20, 20, 21, 20}, 0, prompt));
  EXPECT_NE(doc.GetKey(23, 21), nullptr) << "No pastes the whole clipboard";
}

TEST_F(ClipboardOps, PasteCancelledAtTheSizeQuestionChangesNothing) {
  doc.SetKey(1, 1, MacroKey(0, "\x1c"));
  doc.SetKey(2, 1, MacroKey(0, "\x1c"));
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 2, 1}, 0, prompt));
  doc.SetKey(50, 50, MacroKey(0, "\x32"));
  const UnchangedDocument unchanged = AfterASavedStep();

  prompt.answers = {Answer::Cancel};
  EXPECT_FALSE(Paste(doc, clipboard, {50, 50, 50, 52}, 0, prompt));
  unchanged.Expect();
}

}  // namespace
}  // namespace vl
