// Opens the produced files in an office suite (when one is installed) and checks
// what it made of them: the outlines and labels must survive a reader that shares
// no code with the writers.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "KeyImageTestSupport.h"
#include "core/formats/KeyImageMetafile.h"
#include "core/formats/KeyImageRichText.h"

namespace vl {
namespace {

using test::Bytes;
using test::CountOf;
using test::PutKey;

// Files any suite with the part converts; they tell a missing part from a bad file.
constexpr const char* kProbeSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10mm\" height=\"10mm\">"
    "<rect x=\"1\" y=\"1\" width=\"5\" height=\"5\"/></svg>";
constexpr const char* kProbeRtf = "{\\rtf1\\ansi probe\\par}";

std::filesystem::path FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const auto candidate = std::filesystem::path(dir) / program;
    if (!dir.empty() && std::filesystem::exists(candidate)) return candidate;
  }
  return {};
}

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class IndependentReader : public ::testing::Test {
 protected:
  void SetUp() override {
    soffice_ = FindOnPath("soffice");
    if (soffice_.empty()) GTEST_SKIP() << "soffice is not installed: independent reader check skipped";
    dir_ = std::filesystem::temp_directory_path() / ("vlat_reader_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  // Converts the file into the format and returns the result (empty on failure).
  std::string Convert(const std::string& name, const std::string& bytes, const std::string& format) {
    const auto input = dir_ / name;
    std::ofstream(input, std::ios::binary) << bytes;
    const std::string command = "timeout 300 \"" + soffice_.string() +
                                "\" -env:UserInstallation=file://" + (dir_ / "profile").string() +
                                " --headless --convert-to " + format + " --outdir \"" + dir_.string() +
                                "\" \"" + input.string() + "\" >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    return ReadAll(std::filesystem::path(input).replace_extension(format));
  }

  // True when the suite converts a small file of the kind it was given: a suite
  // installed without its drawing or text part cannot, and then there is nothing to check.
  bool SuiteHasPartFor(const std::string& probeName, const std::string& probe, const std::string& format) {
    return !Convert(probeName, probe, format).empty();
  }

  std::filesystem::path soffice_;
  std::filesystem::path dir_;
};

TEST_F(IndependentReader, ShowsOutlinesAndLabels) {
  TVL2Document document;
  PutKey(document, 1, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1B, 0x1D});  // "ыц"
  PutKey(document, 2, 3, kFuncGoToLayer0 + 2);
  document.Notes(4, 3) = std::make_unique<TKeyNote>(TKeyNote{"\"{x}\\'", ""});
  NullReporter reporter;

  KeyImageRequest emfRequest = test::SmallDeviceRequest(document, KeyImageFormat::Metafile);
  emfRequest.Options.Create = LabelCreate::NonEmpty;
  emfRequest.Options.Language = KeyLanguage::Russian;
  const std::string svg = Convert("keys.emf", BuildKeyImageMetafile(emfRequest, reporter), "svg");
  if (svg.empty() && !SuiteHasPartFor("probe.svg", kProbeSvg, "svg")) {
    GTEST_SKIP() << "the office suite has no drawing part: independent reader check skipped";
  }
  ASSERT_FALSE(svg.empty()) << "the metafile did not convert";
  EXPECT_EQ(CountOf(svg, "fill=\"none\" stroke=\"rgb(0,0,0)\""), 12u);
  EXPECT_EQ(CountOf(svg, "fill=\"none\" stroke=\"rgb(128,128,128)\""), 1u);
  EXPECT_NE(svg.find("ыц"), std::string::npos);
  EXPECT_NE(svg.find("UP TO LAYER 2"), std::string::npos);

  KeyImageRequest rtfRequest = test::SmallDeviceRequest(document, KeyImageFormat::RichText);
  rtfRequest.Options = emfRequest.Options;
  rtfRequest.Options.Language = KeyLanguage::Ukrainian;
  rtfRequest.Options.Layers = 0b11;
  const std::string odt = Convert("keys.rtf", BuildKeyImageRichText(rtfRequest, reporter), "fodt");
  if (odt.empty() && !SuiteHasPartFor("probe.rtf", kProbeRtf, "fodt")) {
    GTEST_SKIP() << "the office suite has no text part: independent reader check skipped";
  }
  ASSERT_FALSE(odt.empty()) << "the rich text did not convert";
  EXPECT_EQ(CountOf(odt, "<draw:custom-shape"), 12u);
  EXPECT_EQ(CountOf(odt, "<draw:text-box"), 3u);  // "іц" and two layers of the switch
  EXPECT_NE(odt.find("іц"), std::string::npos);
  EXPECT_EQ(CountOf(odt, "UP TO LAYER 2"), 2u);

  rtfRequest.Options.Source = LabelSource::KeyNote;
  rtfRequest.Options.Layers = 1;
  const std::string notes = Convert("notes.rtf", BuildKeyImageRichText(rtfRequest, reporter), "fodt");
  EXPECT_NE(notes.find("”{x}\\’"), std::string::npos);
}

}  // namespace
}  // namespace vl
