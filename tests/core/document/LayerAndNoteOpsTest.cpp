// Copying a layer to other layers, the special-paste setters, notes and bookmarks,
// the standard field marking, and ungrouping.

#include <gtest/gtest.h>

#include "EditingFixture.h"
#include "core/document/GroupOps.h"
#include "core/document/KeyNoteOps.h"
#include "core/document/LayerOps.h"
#include "core/document/LayerSetters.h"

namespace vl {
namespace {

using namespace testing;

class LayerOps : public EditingTest {};

TEST_F(LayerOps, CopyToLayersCopiesMacroKeysAndLeavesSwitchingKeys) {
  auto key = MacroKey(1, "\x1c");
  key->Layers[1].Note = "n";
  key->Layers[3].Macro[0] = "\x32";
  doc.SetKey(1, 1, std::move(key));
  doc.SetKey(2, 1, SwitchKey(kFuncLayerUp));
  doc.SetKey(3, 1, MacroKey(0, "\x21"));  // nothing on layer 1

  CopyToLayers(doc, {1, 1, 3, 1}, 1, {true, false, false, true}, false);
  const TMacroButton& copied = *doc.GetKey(1, 1);
  EXPECT_EQ(copied.Layers[0], copied.Layers[1]);
  EXPECT_EQ(copied.Layers[3], copied.Layers[1]) << "a chosen layer is overwritten";
  EXPECT_TRUE(copied.Layers[2].IsEmpty());
  EXPECT_EQ(*doc.GetKey(2, 1), *SwitchKey(kFuncLayerUp));
  EXPECT_EQ(doc.GetKey(3, 1), nullptr) << "its empty layer 1 was copied over its only content";
  EXPECT_EQ(doc.History.UndoName(), kUndoCopyToLayers);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(LayerOps, CopyToLayersWithDeletionMovesTheLayerAndFreesBlankKeys) {
  doc.SetKey(1, 1, MacroKey(2, "\x1c"));
  doc.SetKey(1, 2, MacroKey(3, "\x32"));
  CopyToLayers(doc, {1, 1, 1, 2}, 2, {false, true, false, false}, true);
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[1].Macro[0], "\x1c");
  EXPECT_TRUE(doc.GetKey(1, 1)->Layers[2].IsEmpty());
  EXPECT_NE(doc.GetKey(1, 2), nullptr);

  doc.Keys(1, 3) = std::make_unique<TMacroButton>();
  doc.Keys(1, 3)->Func = kFuncMacro;
  CopyToLayers(doc, {1, 3, 1, 3}, 0, {false, true, false, false}, false);
  EXPECT_EQ(doc.GetKey(1, 3), nullptr) << "a blank macro key is freed";
}

TEST_F(LayerOps, SettersFillTheBlockAndMakeMacroKeys) {
  doc.SetKey(2, 2, SwitchKey(kFuncShiftToLayer0));
  ASSERT_TRUE(SetSequence(doc, {1, 1, 2, 2}, kAllLayers, SequenceKind::Release, "\xf0\x1c"));
  for (int column = 1; column <= 2; ++column) {
    for (int row = 1; row <= 2; ++row) {
      const TMacroButton* key = doc.GetKey(column, row);
      ASSERT_NE(key, nullptr);
      EXPECT_EQ(key->Func, kFuncMacro);
      for (const TMacros& layer : key->Layers) EXPECT_EQ(layer.Macro[1], "\xf0\x1c");
    }
  }
  EXPECT_EQ(doc.GetKey(2, 2)->Layers[0].Macro[0], "\x16") << "the switching key kept its layers";
  EXPECT_EQ(doc.History.UndoName(), kUndoSpecialPaste);

  SetAutoRepeat(doc, {1, 1, 1, 1}, 2, 1);
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[2].AutoRepeat, 1);
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[1].AutoRepeat, 0);

  SetLayerNote(doc, {1, 1, 1, 1}, 0, std::string(60, 'x'));
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[0].Note, std::string(50, 'x'));
}

TEST_F(LayerOps, SettersFreeWhatTheyLeaveBlank) {
  doc.SetKey(1, 1, MacroKey(1, "\x1c"));
  ASSERT_TRUE(SetSequence(doc, {1, 1, 1, 1}, 1, SequenceKind::Press, ""));
  EXPECT_EQ(doc.GetKey(1, 1), nullptr);

  // A switching key with empty layers would otherwise stay as a blank macro key.
  doc.SetKey(2, 1, std::make_unique<TMacroButton>());
  doc.Keys(2, 1)->Func = kFuncLayerUp;
  SetLayerNote(doc, {2, 1, 2, 1}, kAllLayers, "");
  EXPECT_EQ(doc.GetKey(2, 1), nullptr);
}

class NoteOps : public LayerOps {};

TEST_F(NoteOps, KeyNotesAreCutAndDeletedWithoutLosingBookmarks) {
  doc.Notes(2, 1) = std::make_unique<TKeyNote>(TKeyNote{"old", "mark"});
  SetKeyNote(doc, {1, 1, 2, 1}, std::string(160, 'n'));
  EXPECT_EQ(doc.GetNote(1, 1)->KeyNote, std::string(150, 'n'));
  EXPECT_EQ(doc.GetNote(2, 1)->Mark, "mark");

  SetKeyNote(doc, {1, 1, 2, 1}, "");
  EXPECT_EQ(doc.GetNote(1, 1), nullptr);
  ASSERT_NE(doc.GetNote(2, 1), nullptr);
  EXPECT_EQ(doc.GetNote(2, 1)->KeyNote, "");
  EXPECT_EQ(doc.GetNote(2, 1)->Mark, "mark");
  EXPECT_EQ(observed.observer.received.back().Kind, DocumentNotification::ContentChanged);
}

TEST_F(NoteOps, BookmarksGoWithoutLeavingEmptyRecords) {
  SetMark(doc, 4, 4, "m");
  SetMark(doc, 4, 4, "");
  EXPECT_EQ(doc.GetNote(4, 4), nullptr) << "no record without note or bookmark";

  doc.Notes(5, 5) = std::make_unique<TKeyNote>(TKeyNote{"note", "a"});
  doc.Notes(5, 6) = std::make_unique<TKeyNote>(TKeyNote{"", "b"});
  DeleteMarks(doc, {5, 5, 5, 6});
  EXPECT_EQ(*doc.GetNote(5, 5), (TKeyNote{"note", ""}));
  EXPECT_EQ(doc.GetNote(5, 6), nullptr);
}

TEST_F(NoteOps, BookmarksAreFoundColumnByColumn) {
  EXPECT_TRUE(MarkNames(doc).empty());
  EXPECT_EQ(FindMark(doc, "a"), std::nullopt);
  // Notes without a bookmark are passed over; a column comes before the next one's top.
  doc.Notes(1, 1) = std::make_unique<TKeyNote>(TKeyNote{"note", ""});
  SetMark(doc, 3, 1, "last");
  SetMark(doc, 2, 200, "first");
  SetMark(doc, 2, 201, "second");
  SetMark(doc, 255, 255, "corner");
  EXPECT_EQ(MarkNames(doc), (std::vector<std::string>{"first", "second", "last", "corner"}));
  EXPECT_EQ(FindMark(doc, "second"), (MarkPlace{2, 201}));
  EXPECT_EQ(FindMark(doc, "last"), (MarkPlace{3, 1}));
  EXPECT_EQ(FindMark(doc, "corner"), (MarkPlace{255, 255}));
  EXPECT_EQ(FindMark(doc, "Last"), std::nullopt) << "names are matched exactly";
  EXPECT_EQ(FindMark(doc, ""), std::nullopt) << "a key with a note but no bookmark is not the empty name's";
  // A name that stands twice (as an old file may have it) is found at its first key.
  SetMark(doc, 1, 7, "last");
  EXPECT_EQ(FindMark(doc, "last"), (MarkPlace{1, 7}));
}

TEST_F(NoteOps, FieldMarkingNotesTheBlockCutAtTheEdge) {
  const TRect block = MarkField(doc, 250, 2, 8, 8, "64 \xea\xeb\xe0\xe2\xe8\xf8\xe8 (8x8)");
  EXPECT_EQ(block, (TRect{250, 2, 255, 9}));
  EXPECT_EQ(doc.GetNote(255, 9)->KeyNote, "64 \xea\xeb\xe0\xe2\xe8\xf8\xe8 (8x8)");
  EXPECT_EQ(doc.GetNote(250, 10), nullptr);
  EXPECT_TRUE(doc.Modified);
}

TEST(GroupOps, FixedShapesGrowFromTheSelectedKeyWhereTheFieldHoldsThem) {
  EXPECT_EQ(GroupShapeAt({5, 7, 9, 9}, 2, 1), (TRect{5, 7, 6, 7})) << "from the top-left key of any selection";
  EXPECT_EQ(GroupShapeAt({254, 254, 254, 254}, 2, 2), (TRect{254, 254, 255, 255}));
  EXPECT_EQ(GroupShapeAt({255, 10, 255, 10}, 2, 1), std::nullopt);
  EXPECT_EQ(GroupShapeAt({255, 10, 255, 10}, 1, 2), (TRect{255, 10, 255, 11}));
  EXPECT_EQ(GroupShapeAt({10, 255, 10, 255}, 1, 2), std::nullopt);
}

TEST(GroupOps, UngroupReleasesWholeGroupsAndReportsTheCoveredBlock) {
  ObservedDocument observed;
  TVL2Document& doc = observed.document;
  doc.MakeGroup({10, 10, 11, 11});
  doc.MakeGroup({20, 5, 20, 6});
  EXPECT_FALSE(IsBlockUngrouped(doc, {11, 11, 15, 15}));
  EXPECT_TRUE(IsBlockUngrouped(doc, {12, 10, 19, 20}));
  observed.observer.received.clear();

  Ungroup(doc, {11, 11, 20, 12});
  EXPECT_TRUE(IsBlockUngrouped(doc, {10, 10, 11, 11}));
  EXPECT_EQ(doc.GetGroup(10, 10).Right, 11) << "only the flags are cleared";
  EXPECT_TRUE(doc.GetGroup(20, 5).IsGrouped()) << "a group outside the block stays";
  const std::vector<testing::Notification> expected{
      {DocumentNotification::GroupsChanged, 10 * 256 + 20, 10 * 256 + 12}};
  EXPECT_EQ(observed.observer.received, expected);
}

}  // namespace
}  // namespace vl
