#include "core/device/LayoutCompare.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

constexpr ImageDevice kDevice{0x1234, 3, 2, true, 1, 7};
// Device columns mirrored on the grid, so the listed cells prove the decoding table is used.
GridOffset Mirrored(int x, int y) { return {2 - x, y}; }

TMacroButton& Key(TVL2Document& document, int column, int row, uint8_t func = kFuncMacro) {
  auto& ref = document.Keys(column, row);
  ref = std::make_unique<TMacroButton>();
  ref->Func = func;
  return *ref;
}

void Fill(TVL2Document& document) {
  auto& key = Key(document, 1, 1);
  key.Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  key.Layers[1] = {{"\x32", "\xF0\x32"}, 1, 2, "a note"};
  Key(document, 2, 2, kFuncShiftToLayer0 + 1);
}

std::vector<KeyDifference> Compare(const TVL2Document& layout, const TVL2Document& keyboard, int layers = 4) {
  SettingsStore settings;
  settings.Set(Setting::LayerCount, static_cast<uint8_t>(layers - 1));
  const auto differences = CompareLayouts(layout, keyboard, settings, kDevice, TRect{1, 1, 3, 2}, Mirrored);
  EXPECT_TRUE(differences);
  return differences.value_or(std::vector<KeyDifference>{});
}

TEST(LayoutCompare, EqualLayoutsHaveNoDifferenceWhateverTheNotes) {
  TVL2Document layout, keyboard;
  Fill(layout);
  Fill(keyboard);
  keyboard.Keys(1, 1)->Layers[1].Note.clear();
  EXPECT_TRUE(Compare(layout, keyboard).empty());
  // An empty key and a key that only has a note look alike to the keyboard.
  Key(layout, 3, 1).Layers[2].Note = "only a note";
  EXPECT_TRUE(Compare(layout, keyboard).empty());
}

TEST(LayoutCompare, ListsEachKeyAndLayerWithWhatDiffers) {
  TVL2Document layout, keyboard;
  Fill(layout);
  Fill(keyboard);
  auto& changed = *keyboard.Keys(1, 1);
  changed.Layers[1].Macro[0] = "\x21";
  changed.Layers[1].AutoRepeat = 0;
  changed.Layers[3].Click = 5;
  keyboard.Keys(2, 2)->Func = kFuncLayerUp;
  Key(keyboard, 3, 2).Layers[0].Macro[1] = "\xF0\x21";
  const std::vector<KeyDifference> expected = {
      {0, 1, 3, 2, 0, kDiffRelease},
      {1, 1, 2, 2, kWholeKey, kDiffFunction},
      {2, 0, 1, 1, 1, kDiffPress | kDiffAutoRepeat},
      {2, 0, 1, 1, 3, kDiffClick},
  };
  EXPECT_EQ(Compare(layout, keyboard), expected);
  EXPECT_EQ(DifferenceLine(expected[2]), "столбец 1, строка 1 (клавиша устройства 2,0) слой 1: нажатие, автоповтор");
  EXPECT_EQ(DifferenceLine(expected[1]), "столбец 2, строка 2 (клавиша устройства 1,1): функция");
}

TEST(LayoutCompare, LayersBeyondTheLayerCountAreWhatADownloadWouldLeaveEmpty) {
  TVL2Document layout, keyboard;
  Fill(layout);
  Fill(keyboard);
  // Two layers go to the device: layer 1 of the layout is not written, the keyboard still has it.
  const auto differences = Compare(layout, keyboard, 1);
  ASSERT_EQ(differences.size(), 1u);
  EXPECT_EQ(differences[0].Layer, 1);
  EXPECT_EQ(differences[0].What, kDiffPress | kDiffRelease | kDiffAutoRepeat | kDiffClick);
}

std::vector<TrackDifference> CompareCards(const TVL2Document& layout, const TVL2Document& keyboard,
                                          const ImageDevice& device) {
  const auto differences =
      CompareCardReaders(layout, keyboard, SettingsStore{}, device, TRect{1, 1, 3, 2}, Mirrored);
  EXPECT_TRUE(differences);
  return differences.value_or(std::vector<TrackDifference>{});
}

TEST(LayoutCompare, CardReaderTracksDifferAsADownloadWritesThem) {
  TVL2Document layout, keyboard;
  layout.CardReader.Layers[0].Macro = {"\x1C", "\x5A"};
  layout.TrackMask = 0b0011;
  keyboard.CardReader = layout.CardReader;
  keyboard.TrackMask = 0b0011;
  EXPECT_TRUE(CompareCards(layout, keyboard, kDevice).empty());

  // The keyboard reads other tracks, ends track 1 otherwise and sends LRC on track 3.
  keyboard.TrackMask = 0b0110;
  keyboard.CardReader.Layers[0].Macro[1] = "\x29";
  keyboard.CardReader.Layers[2].Click = 2;
  const std::vector<TrackDifference> expected = {{1, kTrackEnabled | kTrackTerminator},
                                                 {3, kTrackEnabled | kTrackFlags}};
  EXPECT_EQ(CompareCards(layout, keyboard, kDevice), expected);
  EXPECT_EQ(TrackDifferenceLine(expected[0]), "дорожка 1: включение, разделитель");

  // Below controller 1.7 a download writes an empty track as the filler, so a
  // keyboard that holds the filler has what the layout's empty track becomes.
  const std::string filler = "\x7E\xF0\x7E\x7E\xF0\x7E";
  TVL2Document held;
  for (auto& track : held.CardReader.Layers) track.Macro = {filler, filler};
  constexpr ImageDevice kOldController{0x1234, 3, 2, true, 1, 6};
  EXPECT_TRUE(CompareCards(TVL2Document{}, held, kOldController).empty());
  EXPECT_EQ(CompareCards(TVL2Document{}, held, kDevice).size(), 4u);
}

TEST(LayoutCompare, TwoFilesAreComparedCellByCellWithoutADevice) {
  TVL2Document a, b;
  Fill(a);
  Fill(b);
  EXPECT_TRUE(CompareLayoutFiles(a, b).empty());
  Key(b, 200, 255).Layers[3].Macro[0] = "\x21";
  b.Keys(2, 2).reset();
  b.TrackMask = 1;
  const std::vector<KeyDifference> expected = {
      {kNoDeviceKey, kNoDeviceKey, 2, 2, kWholeKey, kDiffFunction},
      {kNoDeviceKey, kNoDeviceKey, 200, 255, 3, kDiffPress},
  };
  EXPECT_EQ(CompareLayoutFiles(a, b), expected);
  EXPECT_EQ(DifferenceLine(expected[1]), "столбец 200, строка 255 слой 3: нажатие");
  EXPECT_EQ(CompareLayoutFileCards(a, b), (std::vector<TrackDifference>{{1, kTrackEnabled}}));
}

}  // namespace
}  // namespace vl
