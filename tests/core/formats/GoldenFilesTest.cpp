// The small layout's key image in each format the core writes, byte for byte.
// A deliberate change of a format is taken over with VLAT_UPDATE_GOLDEN=1.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "KeyImageTestSupport.h"
#include "core/formats/KeyImageMetafile.h"
#include "core/formats/KeyImageRichText.h"

namespace vl {
namespace {

const std::filesystem::path kGoldenFolder =
    std::filesystem::path(VLAT_SOURCE_DATA_DIR).parent_path() / "tests/core/formats/golden";

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
  test::FillSmallLayout(document);
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
