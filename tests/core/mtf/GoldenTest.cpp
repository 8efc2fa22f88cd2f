// Texts kept as files: what the earlier writer wrote still reads as it always did,
// and the writer's text for a fixed layout stays byte for byte the same.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/mtf/MtfWriter.h"
#include "MtfTestSupport.h"

namespace vl::test {
namespace {

// Beside this file; the build knows the source tree by its data folder.
const std::filesystem::path kGolden =
    std::filesystem::path(VLAT_SOURCE_DATA_DIR).parent_path() / "tests" / "core" / "mtf" / "golden";

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TMacroButton& MacroKey(TDocument& document, int column, int row) {
  if (!document.GetKey(column, row)) {
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    document.SetKey(column, row, std::move(key));
  }
  return *document.GetKey(column, row);
}

// Held keys, keys that differ only by E0, Print Screen, Pause, split presses and
// releases, pauses, clicks, autorepeat, a layer key and the card reader.
void FillGoldenLayout(TDocument& document, SettingsStore& settings) {
  settings.Set(Setting::LayerCount, 3);
  settings.Set(Setting::CorrectLock, 0);
  settings.Set(Setting::Ibd, 6);
  settings.Set(Setting::Layout, 2);
  settings.Set(Setting::Buffered, 1);
  document.TrackMask = 0x0B;
  document.CardReader.Layers[0].Macro[0] = "\x06\xF0\x06";
  document.CardReader.Layers[1].Macro[1] = "\xE0\x5A\xE0\xF0\x5A";
  for (auto& block : document.CardReader.Layers) block.Click = kCardOutputStartStop;

  TMacroButton& held = MacroKey(document, 1, 1);
  held.Layers[0].Macro[0] = "\x14\x1C\xF0\x1C\xF0\x14\xE0\x14\x1C\xF0\x1C\xE0\xF0\x14";
  held.Layers[0].Macro[1] = "\x11\xE0\x11\xE0\xF0\x11\xF0\x11";
  held.Layers[0].AutoRepeat = 1;
  held.Layers[0].Click = 1;
  TMacroButton& grey = MacroKey(document, 1, 2);
  grey.Layers[1].Macro[0] =
      "\x6C\xF0\x6C\xE0\x6C\xE0\xF0\x6C\x7C\xF0\x7C\x4A\xF0\x4A\xE0\x4A\xE0\xF0\x4A\x5A\xF0\x5A\xE0\x5A\xE0\xF0\x5A";
  grey.Layers[1].Click = 5;
  TMacroButton& whole = MacroKey(document, 1, 3);
  whole.Layers[2].Macro[0] = std::string("\xE0\x12\xE0\x7C\xE0\xF0\x7C\xE0\xF0\x12\xFF\x53", 12) +
                             "\xE1\x14\x77\xE1\xF0\x14\xF0\x77\xFF\x5F\x7E\xF0\x7E\x29\xF0\x29";
  TMacroButton& split = MacroKey(document, 2, 5);
  split.Layers[3].Macro[0] = "\x12\x1C";
  split.Layers[3].Macro[1] = "\xF0\x1C\xF0\x12";
  auto layerKey = std::make_unique<TMacroButton>();
  layerKey->Func = kFuncShiftToLayer0 + 1;
  document.SetKey(3, 1, std::move(layerKey));
}

TEST(GoldenTest, TheEarlierWritersTextReadsAsItAlwaysDid) {
  MtfReaderFixture reader;
  const auto result = reader.Read(FileBytes(kGolden / "earlier-writer.mtf"));
  ASSERT_TRUE(result.ok) << result.report;
  EXPECT_EQ(reader.settings.LayerCountValue(), 2);
  EXPECT_TRUE(reader.settings.IsOn(Setting::CorrectLock));
  EXPECT_EQ(reader.settings.Get(Setting::Ibd), 2);
  EXPECT_EQ(reader.settings.Get(Setting::Layout), 1);
  EXPECT_FALSE(reader.settings.IsOn(Setting::Buffered));
  EXPECT_EQ(reader.document.TrackMask, 0x05);
  EXPECT_EQ(reader.document.CardReader.Layers[0].Macro[0], "\x06\xF0\x06");
  EXPECT_EQ(reader.document.CardReader.Layers[2].Macro[1], "\x5A\xF0\x5A");
  for (const auto& block : reader.document.CardReader.Layers) EXPECT_EQ(block.Click, kCardOutputLrc);

  // Names by the byte alone read as the extended keys, and the empty release stays empty.
  const TMacroButton* held = reader.Key(1, 1);
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->Layers[0].Macro[0], "\xE0\x14\xE0\xF0\x14\x1C\xF0\x1C");
  EXPECT_EQ(held->Layers[0].Macro[1], "");
  EXPECT_EQ(held->Layers[0].AutoRepeat, 1);
  const TMacroButton* mixed = reader.Key(1, 2);
  ASSERT_NE(mixed, nullptr);
  EXPECT_EQ(mixed->Layers[1].Macro[0],
            std::string("\x12\x33\xF0\x33\x43\xF0\x43\xF0\x12\xFF\x55", 11) +
                "\xE0\x12\xE0\x7C\xE0\xF0\x7C\xE0\xF0\x12\xE0\x6C\xE0\xF0\x6C\xE0\x6C\xE0\xF0\x6C"
                "\x4A\xF0\x4A\x5A\xF0\x5A\xE0\x11\xE0\xF0\x11");
  EXPECT_EQ(mixed->Layers[1].Click, 4);
  ASSERT_NE(reader.Key(2, 1), nullptr);
  EXPECT_EQ(reader.Key(2, 1)->Func, kFuncShiftToLayer0 + 1);
  ASSERT_NE(reader.Key(3, 4), nullptr);
  EXPECT_EQ(reader.Key(3, 4)->Layers[3].Macro[0], "\x29\xF0\x29\x7E\xF0\x7E\x12\xF0\x12\x07\xF0\x07");
}

TEST(GoldenTest, TheWritersTextStaysTheSameAndReadsBackAsTheLayout) {
  TDocument document;
  SettingsStore settings;
  FillGoldenLayout(document, settings);
  std::vector<MtfLoss> losses;
  EXPECT_TRUE(MtfText(document, settings, {}, &losses) == FileBytes(kGolden / "writer.mtf"))
      << "the writer's text changed";
  EXPECT_EQ(losses, std::vector<MtfLoss>{});

  MtfReaderFixture reader;
  const auto result = reader.Read(FileBytes(kGolden / "writer.mtf"));
  ASSERT_TRUE(result.ok) << result.report;
  EXPECT_EQ(reader.document.TrackMask, document.TrackMask);
  EXPECT_EQ(reader.document.CardReader, document.CardReader);
  for (const auto& [column, row] : {std::pair{1, 1}, {1, 2}, {1, 3}, {2, 5}, {3, 1}}) {
    ASSERT_NE(reader.Key(column, row), nullptr);
    EXPECT_EQ(*reader.Key(column, row), *document.GetKey(column, row)) << column << ":" << row;
  }
}

}  // namespace
}  // namespace vl::test
