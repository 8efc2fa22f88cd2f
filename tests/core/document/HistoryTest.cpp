// The edit history: walking back and forth through steps of every kind, the
// bounds, the Modified flag and the saved state, and a random run against a
// plain model that keeps a whole copy of the document per state.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>

#include "EditingFixture.h"
#include "RandomField.h"
#include "RecordingReporter.h"
#include "core/document/ApplyRecord.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/GroupOps.h"
#include "core/document/KeyNoteOps.h"
#include "core/document/LayerOps.h"
#include "core/document/LayerSetters.h"
#include "core/document/LayoutFile.h"
#include "core/document/StepGuard.h"
#include "core/settings/SettingsStore.h"

namespace vl {
namespace {

using namespace testing;

// Everything a step may change, copied deep.
struct DocumentState {
  KeySnapshot keys;
  std::vector<std::pair<size_t, TKeyNote>> notes;
  std::vector<std::pair<size_t, TGroupCell>> groups;
  TMacroButton card;
  uint8_t trackMask = 0;
  std::string password;
  bool operator==(const DocumentState&) const = default;
};

DocumentState StateOf(const TVL2Document& doc) {
  DocumentState state{Snapshot(doc.Keys), {}, {}, doc.CardReader, doc.TrackMask, doc.Password};
  for (size_t index = 0; index < kFieldCells; ++index) {
    if (const auto& note = doc.Notes.At(index)) state.notes.emplace_back(index, *note);
    if (doc.Groups.At(index).IsGrouped()) state.groups.emplace_back(index, doc.Groups.At(index));
  }
  return state;
}

void WriteCard(TVL2Document& doc, const std::string& header, uint8_t mask) {
  const StepGuard step(doc, kUndoCardReader, StepScope::CardReaderOnly());
  TMacroButton card = doc.CardReader;
  card.Layers[1].Macro[0] = header;
  doc.SetCardReader(card);
  doc.SetTrackMask(mask);
}

ChangedFlags PressOf(int layer) {
  ChangedFlags changed;
  changed.set(ChangedFlag(LayerField::Press, layer));
  return changed;
}

TMacroButton PressRecord(int layer, const std::string& press) {
  TMacroButton record;
  record.Func = kFuncMacro;
  record.Layers[layer].Macro[0] = press;
  return record;
}

class HistoryTest : public ::testing::Test {
 protected:
  HistoryTest() {
    std::mt19937 random(5);
    FillRandom(doc, {1, 1, 12, 12}, random);
    doc.Notes(2, 2) = std::make_unique<TKeyNote>(TKeyNote{"note", "mark"});
  }

  ObservedDocument observed;
  TVL2Document& doc = observed.document;
  ScriptedPrompt prompt{Answer::Yes};
  Clipboard clipboard;
};

TEST_F(HistoryTest, WalksBackAndForthThroughStepsOfEveryKind) {
  ASSERT_TRUE(Copy(doc, clipboard, {1, 1, 3, 3}, kAllLayers, prompt));
  const std::vector<std::pair<const char*, std::function<void()>>> edits = {
      {kUndoClear, [&] { Clear(doc, {2, 2, 4, 4}, kAllLayers); }},
      {kUndoPaste, [&] { Paste(doc, clipboard, {7, 7, 7, 7}, 1, prompt); }},
      {kUndoMove, [&] { Move(doc, {1, 1, 5, 5}, 2, 1, kAllLayers, prompt); }},
      {kUndoInsertColumns, [&] { InsertColumns(doc, {3, 1, 4, 1}, 2, prompt); }},
      {kUndoDeleteRows, [&] { DeleteRows(doc, {1, 5, 1, 5}, kAllLayers); }},
      {kUndoApplyRecord, [&] { ApplyRecord(doc, {9, 9, 10, 10}, PressRecord(3, "\x1c"), PressOf(3)); }},
      {kUndoCopyToLayers, [&] { CopyToLayers(doc, {1, 1, 12, 12}, 0, {false, true, true, false}, true); }},
      {kUndoSpecialPaste, [&] { SetLayerNote(doc, {4, 4, 6, 6}, kAllLayers, "special"); }},
      {kUndoKeyNote, [&] { SetKeyNote(doc, {1, 1, 2, 3}, "key note"); }},
      {kUndoMark, [&] { SetMark(doc, 5, 5, "here"); }},
      {kUndoGroup, [&] { doc.MakeGroup({3, 3, 5, 4}); }},
      {kUndoMaster, [&] { doc.SetMaster(4, 4); }},
      {kUndoUngroup, [&] { Ungroup(doc, {5, 4, 5, 4}); }},
      {kUndoCardReader, [&] { WriteCard(doc, "%", 0x05); }},
      {kUndoPassword, [&] { doc.SetPassword("secret"); }},
  };
  std::vector<DocumentState> states{StateOf(doc)};
  for (const auto& [name, edit] : edits) {
    edit();
    EXPECT_EQ(doc.History.UndoName(), name);
    states.push_back(StateOf(doc));
    EXPECT_NE(states.back(), states[states.size() - 2]) << name << " changed nothing";
  }
  EXPECT_FALSE(doc.History.CanRedo());
  for (size_t step = edits.size(); step > 0; --step) {
    observed.observer.received.clear();
    doc.History.Undo();
    EXPECT_EQ(StateOf(doc), states[step - 1]) << "undoing " << edits[step - 1].first;
    EXPECT_EQ(doc.History.RedoName(), edits[step - 1].first);
    const std::vector<Notification> told{{DocumentNotification::Undone, 0, 0},
                                         {DocumentNotification::ContentChanged, 0, 0}};
    EXPECT_EQ(observed.observer.received, told);
  }
  EXPECT_FALSE(doc.History.CanUndo());
  for (size_t step = 1; step <= edits.size(); ++step) {
    doc.History.Redo();
    EXPECT_EQ(StateOf(doc), states[step]) << "redoing " << edits[step - 1].first;
  }
  EXPECT_EQ(doc.History.UndoName(), kUndoPassword);
}

// An edit that leaves everything as it was is no step and no change: the step
// before stays the one to undo.
TEST_F(HistoryTest, AnEditThatChangesNothingKeepsNoStep) {
  Clear(doc, {1, 1, 1, 1}, kAllLayers);
  doc.History.MarkSaved();
  doc.Modified = false;
  Clear(doc, {200, 200, 210, 210}, kAllLayers);
  ApplyRecord(doc, {2, 2, 2, 2}, *doc.GetKey(2, 2), ChangedFlags{}.set());
  doc.SetPassword("");
  EXPECT_EQ(doc.History.StepCount(), 1u);
  EXPECT_EQ(doc.History.UndoName(), kUndoClear);
  EXPECT_FALSE(doc.Modified);
}

TEST_F(HistoryTest, StepsOpenedInsideAStepAreOneStepUnderItsName) {
  const DocumentState before = StateOf(doc);
  {
    const StepGuard step(doc, kUndoSpecialPaste, StepScope::KeysIn({1, 1, 3, 3}));
    SetSequence(doc, {1, 1, 3, 3}, 0, SequenceKind::Press, "\x1c");
    Clear(doc, {3, 3, 20, 20}, kAllLayers);  // reaches beyond the outer scope
    SetKeyNote(doc, {2, 2, 2, 2}, "");
  }
  EXPECT_EQ(doc.History.StepCount(), 1u);
  EXPECT_EQ(doc.History.UndoName(), kUndoSpecialPaste);
  const DocumentState after = StateOf(doc);
  doc.History.Undo();
  EXPECT_EQ(StateOf(doc), before);
  doc.History.Redo();
  EXPECT_EQ(StateOf(doc), after);
}

TEST_F(HistoryTest, AnEditStoppedByAnErrorKeepsWhatItChanged) {
  const DocumentState before = StateOf(doc);
  EXPECT_THROW(
      {
        const StepGuard step(doc, kUndoDeviceRead, StepScope::KeysAndCardReader());
        doc.SetKey(100, 100, MacroKey(0, "\x1c"));
        throw std::runtime_error("port lost");
      },
      std::runtime_error);
  EXPECT_EQ(doc.History.UndoName(), kUndoDeviceRead);
  doc.History.Undo();
  EXPECT_EQ(StateOf(doc), before);
  Clear(doc, {1, 1, 1, 1}, kAllLayers);
  EXPECT_EQ(doc.History.StepCount(), 1u) << "no step was left open";
}

TEST_F(HistoryTest, KeepsAHundredStepsDroppingTheOldest) {
  std::vector<DocumentState> states{StateOf(doc)};
  for (int edit = 0; edit < 105; ++edit) {
    ApplyRecord(doc, {1 + edit % 50, 30, 1 + edit % 50, 30},
                PressRecord(0, std::string(1 + edit / 50, static_cast<char>(0x10 + edit % 50))), PressOf(0));
    states.push_back(StateOf(doc));
  }
  EXPECT_EQ(doc.History.StepCount(), kHistoryStepLimit);
  while (doc.History.CanUndo()) doc.History.Undo();
  EXPECT_EQ(StateOf(doc), states[5]);
  EXPECT_TRUE(doc.Modified) << "the original state cannot come back";
}

TEST(HistoryBounds, KeepsWithinItsBytesAndASingleLargerStepAlone) {
  // Clears keys of the column that were there before: the step holds them.
  const auto edit = [](TVL2Document& doc, History& history, int column, int keys) {
    for (int row = 1; row <= keys; ++row) doc.SetKey(column, row, MacroKey(0, std::string(30, 'k')));
    history.BeginStep(kUndoClear, StepScope::KeysIn({column, 1, column, keys}));
    for (int row = 1; row <= keys; ++row) doc.Keys(column, row).reset();
    history.EndStep();
  };
  TVL2Document probeDocument;
  History probe(probeDocument);
  edit(probeDocument, probe, 1, 1);
  const size_t oneKey = probe.Bytes();

  TVL2Document doc;
  const size_t limit = 3 * oneKey + oneKey / 2;
  History history(doc, 100, limit);
  edit(doc, history, 1, 1);
  edit(doc, history, 2, 1);
  edit(doc, history, 3, 1);
  EXPECT_EQ(history.StepCount(), 3u);
  edit(doc, history, 4, 2);
  EXPECT_LT(history.StepCount(), 4u) << "the oldest made room";
  EXPECT_LE(history.Bytes(), limit);
  edit(doc, history, 5, 40);
  EXPECT_EQ(history.StepCount(), 1u);
  EXPECT_GT(history.Bytes(), limit);
  history.Undo();
  for (int row = 1; row <= 40; ++row) EXPECT_NE(doc.GetKey(5, row), nullptr);
  EXPECT_EQ(doc.GetKey(4, 1), nullptr) << "the older edits stay as they are";
  EXPECT_FALSE(history.CanUndo());
}

// The history's own count against the memory the edits touched: a hundred
// one-key edits stay within a megabyte, and a clear of a full field within a
// tenth above the records it cleared.
size_t RecordHeap(const TMacroButton& key) {
  const auto heap = [](const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
  };
  size_t bytes = sizeof(TMacroButton);
  for (const TMacros& layer : key.Layers) bytes += heap(layer.Macro[0]) + heap(layer.Macro[1]) + heap(layer.Note);
  return bytes;
}

TEST(HistoryBounds, HundredKeyEditsAndAFullClearStayWithinTheirMemory) {
  TVL2Document doc;
  size_t cleared = 0;
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      auto key = MacroKey(0, std::string(30, static_cast<char>(column)));
      for (TMacros& layer : key->Layers) layer.Note = "note " + std::to_string(row);
      cleared += RecordHeap(*key);
      doc.SetKey(column, row, std::move(key));
    }
  }
  for (int edit = 0; edit < 100; ++edit) {
    ApplyRecord(doc, {1 + edit, 1 + edit / 3, 1 + edit, 1 + edit / 3},
                PressRecord(1, std::string(1 + edit % 20, static_cast<char>(0x1C + edit % 8))), PressOf(1));
  }
  ASSERT_EQ(doc.History.StepCount(), 100u);
  EXPECT_LE(doc.History.Bytes(), size_t{1} << 20);

  TVL2Document full;
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TMacroButton* key = doc.Keys.At(index).get();
    full.SetKey(FieldMatrix<KeyRef>::ColumnOf(index), FieldMatrix<KeyRef>::RowOf(index),
                std::make_unique<TMacroButton>(*key));
  }
  Clear(full, {1, 1, kFieldSize, kFieldSize}, kAllLayers);
  EXPECT_LE(full.History.Bytes(), cleared + cleared / 10);
  full.History.Undo();
  EXPECT_EQ(Snapshot(full.Keys), Snapshot(doc.Keys));
  // Once undone, the step holds records, which it swaps with the document's.
  full.History.Redo();
  EXPECT_LE(full.History.Bytes(), cleared + cleared / 10);
  full.History.Undo();
  EXPECT_EQ(Snapshot(full.Keys), Snapshot(doc.Keys));
}

// Texts longer than a length byte holds, in the key records and the notes, come
// back whole through undo and redo.
TEST_F(HistoryTest, LongTextsComeBackWhole) {
  auto key = MacroKey(2, std::string(300, '\x1c'));
  key->Layers[3].Note = std::string(20000, 'n');
  key->Layers[3].Macro[1] = std::string(128, '\xF0');
  doc.SetKey(40, 40, std::move(key));
  doc.Notes(40, 40) = std::make_unique<TKeyNote>(TKeyNote{std::string(70000, 'k'), std::string(129, 'm')});
  const DocumentState before = StateOf(doc);
  Clear(doc, {39, 39, 41, 41}, kAllLayers);
  const DocumentState after = StateOf(doc);
  ASSERT_NE(after, before);
  doc.History.Undo();
  EXPECT_EQ(StateOf(doc), before);
  doc.History.Redo();
  EXPECT_EQ(StateOf(doc), after);
}

TEST_F(HistoryTest, ModifiedFollowsTheSavedStateAcrossASave) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("history-" + std::to_string(::getpid()) + ".vld");
  SettingsStore settings;
  test::RecordingReporter reporter;
  EXPECT_FALSE(doc.Modified);
  Clear(doc, {1, 1, 1, 1}, kAllLayers);
  EXPECT_TRUE(doc.Modified);
  doc.History.Undo();
  EXPECT_FALSE(doc.Modified) << "back at the state the layout came with";
  doc.History.Redo();
  EXPECT_TRUE(doc.Modified);

  SaveLayout(doc, file.string(), settings, reporter);
  std::filesystem::remove(file);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(doc.History.UndoName(), kUndoClear) << "saving keeps the history";
  doc.History.Undo();
  EXPECT_TRUE(doc.Modified);
  doc.History.Redo();
  EXPECT_FALSE(doc.Modified);

  // Undo past the saved state, then edit anew: the saved state is gone for good.
  doc.History.Undo();
  SetMark(doc, 9, 9, "other");
  EXPECT_TRUE(doc.Modified);
  doc.History.Undo();
  EXPECT_TRUE(doc.Modified);
  EXPECT_FALSE(doc.History.CanUndo());
}

TEST_F(HistoryTest, AChangeBesideTheHistoryIsNeverTakenForTheSavedState) {
  doc.Modified = true;  // as a converted legacy file comes
  SetMark(doc, 9, 9, "mark");
  doc.History.Undo();
  EXPECT_TRUE(doc.Modified);
}

// Random edits, undos and redos, compared after every action with a model that
// keeps a whole copy of the document for each state.
TEST(HistoryModel, RandomEditsUndosAndRedosMatchWholeCopies) {
  std::mt19937 random(2026);
  const auto pick = [&](int low, int high) {
    return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
  };
  const auto block = [&] {
    const int left = pick(1, 14), top = pick(1, 14);
    return TRect{left, top, left + pick(0, 5), top + pick(0, 5)};
  };
  for (int run = 0; run < 4; ++run) {
    TVL2Document doc;
    FillRandom(doc, {1, 1, 16, 16}, random);
    ScriptedPrompt prompt(Answer::Yes);
    Clipboard clipboard;
    std::vector<DocumentState> model{StateOf(doc)};
    size_t at = 0;
    for (int action = 0; action < 400; ++action) {
      const int kind = pick(0, 15);
      const int layer = pick(0, 4);
      if (kind <= 2) {
        doc.History.Undo();
        if (at > 0) --at;
      } else if (kind <= 4) {
        doc.History.Redo();
        if (at + 1 < model.size()) ++at;
      } else {
        switch (kind) {
          case 5: Clear(doc, block(), layer); break;
          case 6:
            if (Copy(doc, clipboard, block(), layer, prompt)) Paste(doc, clipboard, block(), layer, prompt);
            break;
          case 7: Move(doc, block(), pick(-3, 3), pick(-3, 3), layer, prompt); break;
          case 8: InsertColumns(doc, block(), layer, prompt); break;
          case 9: DeleteRows(doc, block(), layer); break;
          case 10:
            ApplyRecord(doc, block(), PressRecord(pick(0, 3), std::string(1, static_cast<char>(pick(1, 0x7f)))),
                        PressOf(pick(0, 3)));
            break;
          case 11: SetKeyNote(doc, block(), pick(0, 1) ? "n" + std::to_string(action) : ""); break;
          case 12: {
            const TRect rect = block();
            if (IsBlockUngrouped(doc, rect)) doc.MakeGroup(rect);
            else Ungroup(doc, rect);
            break;
          }
          case 13:
            WriteCard(doc, std::string(1, static_cast<char>(pick(0x20, 0x40))), static_cast<uint8_t>(pick(0, 15)));
            break;
          case 14: doc.SetPassword(pick(0, 1) ? "p" + std::to_string(pick(0, 3)) : ""); break;
          default: SetMark(doc, pick(1, 16), pick(1, 16), pick(0, 1) ? "m" : ""); break;
        }
        DocumentState now = StateOf(doc);
        if (!(now == model[at])) {
          model.resize(at + 1);
          model.push_back(std::move(now));
          if (model.size() > kHistoryStepLimit + 1) model.erase(model.begin());
          at = model.size() - 1;
        }
      }
      ASSERT_EQ(StateOf(doc), model[at]) << "run " << run << ", action " << action << ", kind " << kind;
      ASSERT_EQ(doc.History.CanUndo(), at > 0);
      ASSERT_EQ(doc.History.CanRedo(), at + 1 < model.size());
    }
  }
}

}  // namespace
}  // namespace vl
