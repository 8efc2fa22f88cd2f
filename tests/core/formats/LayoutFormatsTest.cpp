#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/common/FileErrors.h"
#include "ScriptedPrompt.h"
#include "core/formats/LayoutFormats.h"

namespace vl::test {
namespace {

TEST(LayoutFormatsTest, FormatFollowsTheExtensionInAnyLetterCase) {
  EXPECT_EQ(LayoutFormatOf("a.VLD")->Id, LayoutFormatId::LayoutFile);
  EXPECT_EQ(LayoutFormatOf("dir.mtf/b.Mkb")->Id, LayoutFormatId::OldLayoutFile);
  EXPECT_EQ(LayoutFormatOf(".mtf")->Id, LayoutFormatId::MacroText);
  EXPECT_EQ(LayoutFormatOf("c.vld.bak"), nullptr);
  EXPECT_EQ(LayoutFormatOf("mtf"), nullptr);
  EXPECT_EQ(LayoutFormatOf("cmtf"), nullptr);
  EXPECT_TRUE(HasExtension("picture.RtF", ".rtf"));
  EXPECT_EQ(GetLayoutFormat(LayoutFormatId::OldLayoutFile).Write, nullptr);
}

// Each writable format's reader takes back the key its writer wrote, so no entry
// of the table pairs one format's reader with another's writer.
TEST(LayoutFormatsTest, EveryWritableFormatReadsBackWhatItWrote) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("vlat-formats-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (const LayoutFormatId id : {LayoutFormatId::LayoutFile, LayoutFormatId::MacroText}) {
    const LayoutFormat& format = GetLayoutFormat(id);
    const std::string file = (folder / ("layout" + std::string(format.Extension))).string();
    TVL2Document written;
    TMacroButton key;
    key.Func = kFuncMacro;
    key.Layers[0].Macro[0] = "\x1C\xF0\x1C";  // a tap of A, which both formats carry
    written.SetKey(7, 9, std::make_unique<TMacroButton>(key));
    SettingsStore settings;
    NullReporter reporter;
    // Nothing to ask: a layout without a password and a new-format file.
    ScriptedPrompt prompt;
    format.Write(written, file, settings, reporter);

    TVL2Document read;
    format.Read(read, file, settings, prompt, reporter);
    const TMacroButton* back = read.GetKey(7, 9);
    ASSERT_NE(back, nullptr) << format.Extension;
    EXPECT_EQ(back->Layers[0].Macro[0], "\x1C\xF0\x1C") << format.Extension;

    const std::string missing = (folder / "missing" / "x").string() + std::string(format.Extension);
    EXPECT_THROW(format.Write(written, missing, settings, reporter), FileWriteError);
    EXPECT_THROW(format.Read(read, missing, settings, prompt, reporter), FileReadError);
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vl::test
