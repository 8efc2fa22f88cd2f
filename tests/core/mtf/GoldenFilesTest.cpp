// The small layout's key image in each format the core writes, byte for byte.
// A deliberate change of a format is taken over with VLAT_UPDATE_GOLDEN=1.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "KeyImageTestSupport.h"
#include "core/mtf/KeyImageMetafile.h"
#include "core/mtf/KeyImageRichText.h"

namespace vl {
namespace {

using test::Bytes;
using test::PutKey;

const std::filesystem::path kGoldenFolder =
    std::filesystem::path(VLAT_SOURCE_DATA_DIR).parent_path() / "tests/core/mtf/golden";

// Short and long labels, names that must not be split, Cyrillic, a switch key and
// two layers on one key.
void FillSmallLayout(TVL2Document& document) {
  PutKey(document, 1, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x05, 0xF0, 0x05});  // [F1]
  TMacroButton& two = PutKey(document, 2, 1, kFuncMacro);
  two.Layers[0].Macro[0] = Bytes({0xE0, 0x14, 0x4D, 0xE0, 0xF0, 0x14});  // [RControl]p
  two.Layers[1].Macro[0] = Bytes({0x5A});                                // [Enter]
  PutKey(document, 3, 1, kFuncMacro).Layers[0].Macro[0] =
      Bytes({0x66, 0xE0, 0x14, 0xE0, 0x14, 0xE0, 0x14, 0xE0, 0x14});  // [BackSpace][RControl]...
  PutKey(document, 4, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1B, 0x1D});  // ыц
  PutKey(document, 1, 2, kFuncGoToLayer0 + 1);
  PutKey(document, 2, 3, kFuncShiftToLayer0 + 3);
}

void Compare(const std::string& name, const std::string& bytes) {
  const auto file = kGoldenFolder / name;
  if (std::getenv("VLAT_UPDATE_GOLDEN") != nullptr) std::ofstream(file, std::ios::binary) << bytes;
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file;
  const std::string golden{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(bytes.size(), golden.size()) << name;
  EXPECT_TRUE(bytes == golden) << name << " differs from " << file;
}

TEST(GoldenFiles, SmallLayoutInEachCoreFormat) {
  TVL2Document document;
  FillSmallLayout(document);
  NullReporter reporter;
  KeyImageRequest emf = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  emf.Options.Layers = 0b11;
  emf.Options.Create = LabelCreate::NonEmpty;
  emf.Options.Language = KeyLanguage::Russian;
  Compare("small.emf", BuildKeyImageMetafile(emf, reporter));

  KeyImageRequest rtf = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  rtf.Options = emf.Options;
  rtf.Options.Form = KeyForm::RoundRect;
  Compare("small.rtf", BuildKeyImageRichText(rtf, reporter));
}

}  // namespace
}  // namespace vl
