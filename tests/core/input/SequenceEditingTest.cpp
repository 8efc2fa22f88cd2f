// A line's key events and texts, the pause window's editing and the key list.

#include <gtest/gtest.h>

#include "InputTestSupport.h"

#include <set>

#include "core/input/KeyEvents.h"
#include "core/input/KeyList.h"
#include "core/input/PauseEditor.h"

namespace vl {
namespace {

using testing::Bytes;

std::vector<std::string> Texts(const std::string& sequence, KeyLanguage language,
                               LockStates start = {}) {
  return KeyEventTexts(ParseKeyEvents(sequence), language, start);
}

TEST(KeyEventsTest, OneCellPerEventWithCaseFromShiftAndLocks) {
  // Shift, ф, Shift released, ф, Caps, ф, Right Control released, a pause, Pause.
  const std::string sequence = Bytes({0x12, 0x1C, 0xF0, 0x12, 0x1C, 0x58, 0x1C, 0xE0, 0xF0,
                                      0x14, 0xFF, 0x55, 0xE1, 0x14, 0x77, 0xE1, 0xF0, 0x14,
                                      0xF0, 0x77});
  EXPECT_EQ(Texts(sequence, KeyLanguage::Russian),
            (std::vector<std::string>{"LShift", "Ф", "Отжатие LShift", "ф", "Caps", "Ф",
                                      "Отжатие RControl", "Pause"}));
  EXPECT_EQ(Texts(Bytes({0x1C}), KeyLanguage::English, {.NumLock = true, .CapsLock = true}),
            std::vector<std::string>{"A"});
}

TEST(KeyEventsTest, UnknownCodesShowHexAndTruncatedElementsAreDropped) {
  EXPECT_EQ(Texts(Bytes({0x02, 0xE0, 0x60}), KeyLanguage::English),
            (std::vector<std::string>{"02", "E0 60"}));
  EXPECT_TRUE(ParseKeyEvents(Bytes({0xE0, 0xF0})).empty());
  EXPECT_TRUE(ParseKeyEvents(Bytes({0x1C, 0xFF})).size() == 1);
  EXPECT_TRUE(ParseKeyEvents(Bytes({0xE1, 0x14, 0x77})).empty());
}

TEST(PauseEditorTest, PauseOfFifteenBeforeAMakeIsFF5F) {
  PauseEditor editor(Bytes({0x1C, 0xF0, 0x1C}), 255, KeyLanguage::English, {});
  ASSERT_EQ(editor.Keys().size(), 1u);
  EXPECT_TRUE(editor.SetPause(0, false, 15));
  EXPECT_EQ(editor.Sequence(), Bytes({0xFF, 0x5F, 0x1C, 0xF0, 0x1C}));
  EXPECT_EQ(editor.Pause(0, false), 15);
  EXPECT_TRUE(editor.Changed());
}

TEST(PauseEditorTest, PausesReplaceAndZeroRemoves) {
  PauseEditor editor(Bytes({0x1C, 0xE0, 0x14, 0xF0, 0x1C, 0xE0, 0xF0, 0x14}), 255,
                     KeyLanguage::English, {});
  ASSERT_EQ(editor.Keys().size(), 2u);
  EXPECT_EQ(editor.Keys()[1].Text, "RControl");
  EXPECT_TRUE(editor.SetPause(1, true, 3));  // before the release of right Control
  EXPECT_EQ(editor.Sequence(), Bytes({0x1C, 0xE0, 0x14, 0xF0, 0x1C, 0xFF, 83, 0xE0, 0xF0, 0x14}));
  EXPECT_TRUE(editor.SetPause(1, true, 7));
  EXPECT_EQ(editor.Pause(1, true), 7);
  EXPECT_EQ(editor.Sequence().size(), 10u);
  EXPECT_TRUE(editor.SetPause(1, true, 0));
  EXPECT_FALSE(editor.Changed());
}

TEST(PauseEditorTest, LoneReleaseAndRepeatedPressesPairCorrectly) {
  // A release with no press before it, then a pressed twice, released once.
  PauseEditor editor(Bytes({0xF0, 0x12, 0x1C, 0x1C, 0xF0, 0x1C}), 255, KeyLanguage::English, {});
  ASSERT_EQ(editor.Keys().size(), 3u);
  EXPECT_EQ(editor.Keys()[0].Text, "Отжатие LShift");
  EXPECT_EQ(editor.Keys()[0].Make, -1);
  EXPECT_EQ(editor.Keys()[1].Break, -1);
  EXPECT_EQ(editor.Keys()[2].Break, 3);
  EXPECT_FALSE(editor.SetPause(0, false, 5));  // no make to put it before
  EXPECT_FALSE(editor.Changed());
}

TEST(PauseEditorTest, PauseBeyondTheCapacityIsRefused) {
  const std::string full(2, '\x1C');
  PauseEditor editor(full, 3, KeyLanguage::English, {});
  EXPECT_FALSE(editor.SetPause(0, false, 5));
  EXPECT_EQ(editor.Sequence(), full);
}

TEST(PauseEditorTest, TenthsTextUsesADecimalComma) {
  EXPECT_EQ(TenthsText(15), "1,5 c");
  EXPECT_EQ(TenthsText(0), "0,0 c");
}

TEST(KeyListTest, HasEveryKeyOnceWithItsCodes) {
  std::set<std::string> names;
  std::set<int> codes;
  for (const auto& key : StandardKeys()) {
    names.insert(key.Name);
    codes.insert((key.Extended ? 0x100 : 0) | key.Code);
  }
  EXPECT_EQ(names.size(), 102u);
  EXPECT_EQ(codes.size(), 102u);
  const ListedKey& rightControl = StandardKeys()[0];
  EXPECT_EQ(MakeBytes(rightControl), Bytes({0xE0, 0x14}));
  EXPECT_EQ(BreakBytes(rightControl), Bytes({0xE0, 0xF0, 0x14}));
  EXPECT_EQ(BreakBytes(StandardKeys()[7]), Bytes({0xF0, 0x76}));  // Esc
}

}  // namespace
}  // namespace vl
