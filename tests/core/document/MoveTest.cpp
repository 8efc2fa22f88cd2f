// Moving blocks of keys, checked against a model that lifts every moving key
// before it places any.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "EditingFixture.h"
#include "RandomField.h"
#include "core/document/BlockOps.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

using namespace testing;

// Lifts the content for the layer of every block key whose target lies in the
// field, clears those sources, and only then places what was lifted.
void LiftThenPlace(FieldMatrix<KeyRef>& keys, const TRect& block, int columnShift, int rowShift,
                   int layer) {
  std::vector<std::tuple<int, int, KeyRef>> lifted;
  for (int column = block.Left; column <= block.Right; ++column) {
    for (int row = block.Top; row <= block.Bottom; ++row) {
      if (!InField(column + columnShift, row + rowShift)) continue;
      KeyRef& source = keys(column, row);
      lifted.emplace_back(column + columnShift, row + rowShift,
                          source ? std::make_unique<TMacroButton>(*source) : nullptr);
      ClearLayerOrFree(source, layer);
    }
  }
  for (auto& [column, row, content] : lifted) MoveContent(content, keys(column, row), layer);
}

struct MoveCase {
  TRect area;  // where random keys lie and blocks are chosen
  int maxShift;
};

TEST(Move, OverlappingMovesEqualLiftingAllKeysFirst) {
  const MoveCase cases[] = {{{1, 1, 12, 12}, 4}, {{245, 246, 255, 255}, 5}};
  const int directions[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}};
  std::mt19937 random(7);
  for (const MoveCase& moveCase : cases) {
    for (const auto& direction : directions) {
      for (int layer = 0; layer <= kAllLayers; ++layer) {
        for (int round = 0; round < 4; ++round) {
          const TRect& area = moveCase.area;
          TVL2Document document;
          testing::FillRandom(document, area, random);
          FieldMatrix<KeyRef> model;
          testing::CopyKeys(document.Keys, model);
          const int left = area.Left + static_cast<int>(random() % 6);
          const int top = area.Top + static_cast<int>(random() % 6);
          const TRect block{left, top, std::min(left + static_cast<int>(random() % 5), area.Right),
                            std::min(top + static_cast<int>(random() % 5), area.Bottom)};
          const int distance = 1 + static_cast<int>(random() % moveCase.maxShift);
          const int columnShift = direction[0] * distance;
          const int rowShift = direction[1] * distance;

          ScriptedPrompt prompt;
          prompt.answers = {Answer::Yes};
          const bool anyMoves =
              std::max(block.Left + columnShift, 1) <= std::min(block.Right + columnShift, 255) &&
              std::max(block.Top + rowShift, 1) <= std::min(block.Bottom + rowShift, 255);
          ASSERT_EQ(Move(document, block, columnShift, rowShift, layer, prompt), anyMoves);
          LiftThenPlace(model, block, columnShift, rowShift, layer);
          ASSERT_EQ(Snapshot(document.Keys), Snapshot(model))
              << "block " << block.Left << "," << block.Top << "-" << block.Right << ","
              << block.Bottom << " by " << columnShift << "," << rowShift << " layer " << layer;
        }
      }
    }
  }
}

class MoveQuestion : public EditingTest {};

TEST_F(MoveQuestion, OccupiedTargetAsksAndNoChangesNothing) {
  doc.SetKey(5, 5, MacroKey(1, "\x1c"));
  doc.SetKey(7, 5, MacroKey(1, "\x32"));
  const UnchangedDocument unchanged = AfterASavedStep();

  prompt.answers = {Answer::No};
  EXPECT_FALSE(Move(doc, {5, 5, 5, 5}, 2, 0, 1, prompt));
  testing::ExpectAskedOnce(prompt, "Заменить содержимое конечных кнопок?", "Внимание",
                           MessageButtons::YesNo, MessageIcon::Question);
  unchanged.Expect();
}

TEST_F(MoveQuestion, TargetsFreeForTheLayerMoveWithoutAsking) {
  doc.SetKey(5, 5, MacroKey(1, "\x1c"));
  doc.SetKey(6, 5, MacroKey(2, "\x32"));  // nothing on layer 1
  doc.Notes(5, 5) = std::make_unique<TKeyNote>(TKeyNote{"note", "mark"});
  ASSERT_TRUE(Move(doc, {5, 5, 5, 5}, 1, 0, 1, prompt));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(doc.GetKey(5, 5), nullptr);
  EXPECT_EQ(doc.GetKey(6, 5)->Layers[1].Macro[0], "\x1c");
  EXPECT_EQ(doc.GetKey(6, 5)->Layers[2].Macro[0], "\x32");
  EXPECT_NE(doc.GetNote(5, 5), nullptr) << "notes stay at their cells";
  EXPECT_EQ(doc.History.UndoName(), kUndoMove);
  EXPECT_TRUE(doc.Modified);
}

TEST(MoveContent, WholeRecordsAreHandedOverAndLayersMoveAlone) {
  KeyRef source = SwitchKey(kFuncLayerDown);
  const TMacroButton expected = *source;
  KeyRef target = MacroKey(0, "\x1c");
  MoveContent(source, target, 2);
  EXPECT_EQ(source, nullptr);
  EXPECT_EQ(*target, expected);

  source = MacroKey(1, "\x32");
  source->Layers[3].Note = "stays";
  target = SwitchKey(kFuncLayerUp);
  MoveContent(source, target, 1);
  EXPECT_EQ(source->Layers[3].Note, "stays");
  EXPECT_TRUE(source->Layers[1].IsEmpty());
  EXPECT_EQ(target->Func, kFuncMacro);
  EXPECT_EQ(target->Layers[1].Macro[0], "\x32");

  KeyRef none;
  target = MacroKey(0, "\x1c");
  MoveContent(none, target, 0);
  EXPECT_EQ(target, nullptr) << "an empty source leaves the target blank, and it is freed";
}

}  // namespace
}  // namespace vl
