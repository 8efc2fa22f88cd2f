#include <gtest/gtest.h>

#include <map>

#include "EmfWalker.h"
#include "KeyImageTestSupport.h"
#include "ScriptedPrompt.h"
#include "core/catalogue/Templates.h"
#include "core/formats/KeyImageDevice.h"
#include "core/formats/KeyImageMetafile.h"
#include "core/formats/KeyImageRichText.h"

namespace vl {
namespace {

using test::ScriptedPrompt;

TEST(KeyImageDevice, TakesFieldAndGeometryFromTheCatalogue) {
  const DeviceCatalogue catalogue(IniFile("[0101]\nWidth=4\nHeight=3\nIsImage=1\nImageKeyWidth=1800\n"
                                          "ImageKeyHeight=1800\nImageHorKeySpace=200\nImageVerKeySpace=200\n"
                                          "ImageTopSpace=500\nImageLeftSpace=700\n"));
  TVL2Document document;
  ScriptedPrompt prompt;
  const auto request =
      DeviceImageRequest(catalogue, 0x0101, document, 253, 2, KeyImageFormat::RichText, {}, prompt);
  ASSERT_TRUE(request);
  EXPECT_TRUE(prompt.Labelled().empty());
  EXPECT_EQ(request->Columns, 4);
  EXPECT_EQ(request->Rows, 3);
  EXPECT_EQ(request->Selection, (TRect{253, 2, 255, 4}));
  // Twips, each value rounded before use; the left margin is not the top one.
  EXPECT_EQ(KeyOutline(*request, 0, 0), (KeyBox{397, 283, 397 + 1020, 283 + 1020}));
  NullReporter reporter;
  EXPECT_EQ(test::CountOf(BuildKeyImageRichText(*request, reporter), "{\\sv 1}}"), 12u);
}

TEST(KeyImageDevice, RefusesTypesWithoutAnImageOrAField) {
  const DeviceCatalogue catalogue(IniFile("[0001]\nWidth=8\nHeight=8\nIsImage=0\n"
                                          "[0002]\nWidth=1\nHeight=8\nIsImage=1\n"
                                          "[0003]\nWidth=8\nHeight=300\nIsImage=1\n"));
  TVL2Document document;
  ScriptedPrompt prompt;
  for (const uint16_t type : {0x0001, 0x0099, 0x0002, 0x0003}) {
    EXPECT_FALSE(DeviceImageRequest(catalogue, type, document, 1, 1, KeyImageFormat::Metafile, {}, prompt))
        << type;
  }
  const std::string noImage = "Внимание: Выбранное устройство не нуждается в создании изображений клавиш.";
  const std::string badField = "Ошибка: Ошибочный размер клавиатурного поля. ";
  EXPECT_EQ(prompt.Labelled(), (std::vector<std::string>{noImage, noImage, badField, badField}));
  EXPECT_EQ(prompt.Icons(), (std::vector<MessageIcon>{MessageIcon::Information, MessageIcon::Information,
                                                    MessageIcon::Error, MessageIcon::Error}));
}

TEST(KeyImageDevice, ShippedTemplateOnShippedDeviceMakesAReadableMetafile) {
  const std::string data = VLAT_SOURCE_DATA_DIR;
  const DeviceCatalogue catalogue = DeviceCatalogue::Open(data + "/DEVICES.TYP");
  ScriptedPrompt prompt;
  NullReporter reporter;
  const NewLayout layout = NewLayoutFromTemplate(data, "GENERAL", prompt, reporter);
  ASSERT_TRUE(layout.FromTemplate);
  const auto request =
      DeviceImageRequest(catalogue, 0x0105, *layout.Document, 1, 1, KeyImageFormat::Metafile, {}, prompt);
  ASSERT_TRUE(request);
  const std::string emf = BuildKeyImageMetafile(*request, reporter);
  std::map<uint32_t, int> counts;
  for (const auto& record : test::Walk(emf)) ++counts[record.Type];
  EXPECT_EQ(counts[1], 1);
  EXPECT_EQ(counts[14], 1);
  EXPECT_EQ(counts[43], 1 + 64);  // the border and the keys
  EXPECT_EQ(counts[84], 64);      // every key of the general layout has a label
}

}  // namespace
}  // namespace vl
