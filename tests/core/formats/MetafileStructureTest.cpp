#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "EmfWalker.h"
#include "KeyImageTestSupport.h"
#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/formats/KeyImageMetafile.h"

namespace vl {
namespace {

using test::Bytes;
using test::Le32;
using test::Record;
using test::S32;
using test::TextOf;
using test::Walk;
using test::PutKey;
using test::ScriptedPrompt;

TEST(MetafileStructure, HeaderRecordsAndBounds) {
  TVL2Document document;
  PutKey(document, 1, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1B, 0x1D});  // ыц
  PutKey(document, 2, 3, kFuncGoToLayer0 + 2);
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  request.Options.Create = LabelCreate::NonEmpty;
  request.Options.Language = KeyLanguage::Russian;
  request.Options.Form = KeyForm::RoundRect;
  NullReporter reporter;
  const std::string emf = BuildKeyImageMetafile(request, reporter);

  const auto records = Walk(emf);
  ASSERT_GE(records.size(), 2u);
  const Record& header = records.front();
  EXPECT_EQ(header.Type, 1u);
  EXPECT_EQ(Le32(emf, 40), 0x464D4520u);
  EXPECT_EQ(Le32(emf, 48), emf.size());
  EXPECT_EQ(Le32(emf, 52), records.size());
  EXPECT_EQ(records.back().Type, 14u);

  // 4 x 3 keys of 180 units, 20 apart, 50 margin: 4 * 200 - 20 + 100 by 3 * 200 - 20 + 100.
  const int width = 880, height = 680;
  EXPECT_EQ(S32(emf, 8), 0);
  EXPECT_EQ(S32(emf, 16), width - 1);
  EXPECT_EQ(S32(emf, 20), height - 1);
  EXPECT_EQ(S32(emf, 32), 10 * width);  // frame: hundredths of a millimetre
  EXPECT_EQ(S32(emf, 36), 10 * height);
  // The reference device makes one unit 0.1 mm, so the frame and the units agree.
  EXPECT_EQ(S32(emf, 72) / S32(emf, 80), 10);

  std::map<uint32_t, int> counts;
  std::vector<std::u16string> texts;
  uint32_t highestHandle = 0;
  for (const auto& r : records) {
    ++counts[r.Type];
    if (r.Type == 38 || r.Type == 39 || r.Type == 82) highestHandle = std::max(highestHandle, Le32(emf, r.Offset + 8));
    if (r.Type == 84) texts.push_back(TextOf(emf, r));
  }
  EXPECT_LT(highestHandle, Le32(emf, 56) & 0xFFFF);
  EXPECT_EQ(counts[43], 1);   // the border
  EXPECT_EQ(counts[44], 12);  // rounded keys
  EXPECT_EQ(counts[38], 2);   // grey and black pens
  EXPECT_EQ(counts[82], 1);
  EXPECT_EQ(counts[40], 4);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"ыц", u"UP TO LAYER 2"}));

  // The second label sits at the top-left corner of key (1, 2).
  for (const auto& r : records) {
    if (r.Type == 84 && TextOf(emf, r) == u"UP TO LAYER 2") {
      EXPECT_EQ(S32(emf, r.Offset + 36), 50 + 200);
      EXPECT_EQ(S32(emf, r.Offset + 40), 50 + 2 * 200);
      // Clipped to its key (180 units wide: the label is wider), bounds included.
      EXPECT_EQ(Le32(emf, r.Offset + 52), 4u);
      EXPECT_EQ((std::vector<int32_t>{S32(emf, r.Offset + 56), S32(emf, r.Offset + 60), S32(emf, r.Offset + 64),
                                      S32(emf, r.Offset + 68)}),
                (std::vector<int32_t>{250, 450, 430, 630}));
      EXPECT_EQ(S32(emf, r.Offset + 16), 430);
      const uint32_t offDx = Le32(emf, r.Offset + 72);
      EXPECT_LE(offDx + 13 * 4, r.Size);
    }
  }
}

// Layer 0 at the top-left corner, 1 top-right, 2 bottom-left, 3 bottom-right.
TEST(MetafileStructure, EachLayerHasItsOwnCorner) {
  TVL2Document document;
  TMacroButton& key = PutKey(document, 1, 1, kFuncMacro);
  for (size_t layer = 0; layer < 4; ++layer) key.Layers[layer].Macro[0] = Bytes({0x1C});  // "a"
  KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  request.Options.Layers = 0b1111;
  request.Options.Create = LabelCreate::NonEmpty;
  NullReporter reporter;
  const std::string emf = BuildKeyImageMetafile(request, reporter);
  std::vector<std::pair<int32_t, int32_t>> origins;
  for (const auto& r : Walk(emf)) {
    if (r.Type == 84) origins.emplace_back(S32(emf, r.Offset + 36), S32(emf, r.Offset + 40));
  }
  ASSERT_EQ(origins.size(), 4u);
  // Key (1, 1) spans 50..230 both ways; the label ends at the right or bottom edge.
  EXPECT_EQ(origins[0], std::make_pair(50, 50));
  EXPECT_GT(origins[1].first, 50 + 90);
  EXPECT_LT(origins[1].first, 230);
  EXPECT_EQ(origins[1].second, 50);
  EXPECT_EQ(origins[2].first, 50);
  EXPECT_GT(origins[2].second, 50 + 90);
  EXPECT_EQ(origins[3], std::make_pair(origins[1].first, origins[2].second));

  // A label wider than its key keeps its start inside the key at the right corner.
  key.Layers[1].Macro[0] = std::string(20, '\x66');  // [BackSpace] twenty times
  const std::string wide = BuildKeyImageMetafile(request, reporter);
  std::vector<int32_t> lefts;
  for (const auto& r : Walk(wide)) {
    if (r.Type == 84) lefts.push_back(S32(wide, r.Offset + 36));
  }
  ASSERT_EQ(lefts.size(), 4u);
  EXPECT_EQ(lefts[1], 50);
}

TEST(KeyImageFile, WritesAndReportsProgress) {
  TVL2Document document;
  const auto file = std::filesystem::temp_directory_path() / "vlat_key_image_test.rtf";
  ScriptedPrompt prompt;
  test::RecordingReporter reporter;
  const KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  ASSERT_TRUE(WriteKeyImage(file, KeyImageFormat::RichText, request, prompt, reporter));
  EXPECT_TRUE(prompt.Labelled().empty());
  EXPECT_EQ(reporter.statuses, (std::vector<std::string>{"Создание рисунка", ""}));
  EXPECT_EQ(reporter.shown, (std::vector<bool>{true, false}));
  // The bar starts at 0, then one position per key.
  ASSERT_EQ(reporter.positions.size(), 13u);
  EXPECT_EQ(reporter.positions[0], 0);
  EXPECT_EQ(reporter.positions[2], 8);   // 1 * 100 / 12
  EXPECT_EQ(reporter.positions[12], 91);
  EXPECT_GT(std::filesystem::file_size(file), 1000u);
  std::filesystem::remove(file);
}

TEST(KeyImageFile, FailureIsToldAndRestoresTheStatus) {
  TVL2Document document;
  ScriptedPrompt prompt;
  test::RecordingReporter reporter;
  const auto file = std::filesystem::temp_directory_path() / "vlat_no_such_dir" / "x" / "image.emf";
  const KeyImageRequest request = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  EXPECT_FALSE(WriteKeyImage(file, KeyImageFormat::Metafile, request, prompt, reporter));
  EXPECT_EQ(prompt.Labelled(), (std::vector<std::string>{"Ошибка: Ошибка записи в файл.\n\r(" + file.string() + ")"}));
  EXPECT_EQ(prompt.Icons(), (std::vector<MessageIcon>{MessageIcon::Error}));
  EXPECT_EQ(reporter.statuses.back(), "");
  EXPECT_EQ(reporter.shown.back(), false);
}

}  // namespace
}  // namespace vl
