// The one-step undo: what the snapshot holds, and that it brings back exactly the
// keys every undoable operation started from.

#include <gtest/gtest.h>

#include <functional>

#include "EditingFixture.h"
#include "RandomField.h"
#include "core/document/ApplyRecord.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/LayerOps.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

using namespace testing;

TEST(Undo, TwiceRedoesTheStepAndKeepsTheCommandEnabled) {
  ObservedDocument observed;
  TVL2Document& doc = observed.document;
  doc.SetKey(2, 2, MacroKey(0, "\x1c"));
  doc.Notes(2, 2) = std::make_unique<TKeyNote>(TKeyNote{"", "mark"});
  EXPECT_EQ(UndoCaption(doc), "&Отменить ");

  Clear(doc, {2, 2, 2, 2}, 0);
  EXPECT_EQ(UndoCaption(doc), "&Отменить удаление");
  EXPECT_EQ(UndoHint(doc), "Отменить удаление");
  const auto cleared = Snapshot(doc.Keys);
  doc.Modified = false;
  observed.observer.received.clear();

  Undo(doc);
  ASSERT_NE(doc.GetKey(2, 2), nullptr);
  EXPECT_EQ(doc.GetKey(2, 2)->Layers[0].Macro[0], "\x1c");
  EXPECT_EQ(doc.GetNote(2, 2), nullptr) << "notes are not part of the snapshot";
  EXPECT_TRUE(doc.UndoAvailable);
  EXPECT_EQ(UndoCaption(doc), "&Отменить ");
  // The keys differ from a file saved after the step, so closing must still ask.
  EXPECT_TRUE(doc.Modified);
  const std::vector<testing::Notification> expected{{DocumentNotification::Undone, 0, 0},
                                                    {DocumentNotification::ContentChanged, 0, 0}};
  EXPECT_EQ(observed.observer.received, expected);

  Undo(doc);
  EXPECT_EQ(Snapshot(doc.Keys), cleared);
  EXPECT_TRUE(doc.UndoAvailable);
}

TEST(Undo, WithoutASnapshotNothingHappens) {
  ObservedDocument observed;
  observed.document.SetKey(1, 1, MacroKey(0, "\x1c"));
  Undo(observed.document);
  EXPECT_NE(observed.document.GetKey(1, 1), nullptr);
  EXPECT_FALSE(observed.document.Modified);
  EXPECT_TRUE(observed.observer.received.empty());
}

// An undoable operation over a random field: its undo name and the edit.
struct UndoableStep {
  const char* name;
  std::function<void(TVL2Document&, Clipboard&, IPrompt&)> run;
};

TEST(Undo, SnapshotOfEveryStepRestoresTheKeysItStartedFrom) {
  const TRect block{3, 4, 8, 9};
  ChangedFlags changed;
  changed.set(ChangedFlag(LayerField::Release, 2)).set(ChangedFlag(LayerField::Note, 0));
  changed.set(kChangedFunction);
  TMacroButton record;
  record.Func = kFuncMacro;
  record.Layers[2].Macro[1] = "\xf0\x29";
  const UndoableStep steps[] = {
      {kUndoClear, [&](TVL2Document& d, Clipboard&, IPrompt&) { Clear(d, block, 1); }},
      {kUndoClear,
       [&](TVL2Document& d, Clipboard& c, IPrompt& p) { Cut(d, c, block, kAllLayers, p); }},
      {kUndoPaste,
       [&](TVL2Document& d, Clipboard& c, IPrompt& p) { Paste(d, c, {6, 2, 6, 2}, 2, p); }},
      {kUndoMove,
       [&](TVL2Document& d, Clipboard&, IPrompt& p) { Move(d, block, -2, 3, 0, p); }},
      {kUndoInsertColumns,
       [&](TVL2Document& d, Clipboard&, IPrompt& p) { InsertColumns(d, block, 3, p); }},
      {kUndoInsertRows,
       [&](TVL2Document& d, Clipboard&, IPrompt& p) { InsertRows(d, block, kAllLayers, p); }},
      {kUndoDeleteColumns,
       [&](TVL2Document& d, Clipboard&, IPrompt&) { DeleteColumns(d, block, 2); }},
      {kUndoDeleteRows,
       [&](TVL2Document& d, Clipboard&, IPrompt&) { DeleteRows(d, block, kAllLayers); }},
      {kUndoCopyToLayers,
       [&](TVL2Document& d, Clipboard&, IPrompt&) {
         SaveUndo(d, kUndoCopyToLayers);  // the layout window's part
         CopyToLayers(d, block, 1, {true, false, true, false}, true);
       }},
      {kUndoApplyRecord,
       [&](TVL2Document& d, Clipboard&, IPrompt&) { ApplyRecord(d, block, record, changed); }},
  };
  std::mt19937 random(11);
  for (const UndoableStep& step : steps) {
    TVL2Document doc;
    testing::FillRandom(doc, {1, 1, 14, 14}, random);
    Clipboard clipboard;
    ScriptedPrompt prompt;
    ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 3, 3}, kAllLayers, prompt));
    prompt.answers = {Answer::Yes, Answer::Yes};
    const auto before = Snapshot(doc.Keys);

    step.run(doc, clipboard, prompt);
    EXPECT_EQ(doc.UndoName, step.name);
    EXPECT_NE(Snapshot(doc.Keys), before) << step.name << ": the step changed nothing";
    Undo(doc);
    EXPECT_EQ(Snapshot(doc.Keys), before) << step.name;
  }
}

}  // namespace
}  // namespace vl
