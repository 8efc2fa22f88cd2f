#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/catalogue/IniFile.h"
#include "core/common/FileErrors.h"

namespace vl {
namespace {

using test::Cp;

TEST(IniFile, LooksUpLikeTheProfileFunctions) {
  const IniFile ini(Cp("; comment=not an entry\r\n"
                       "orphan=before any section\r\n"
                       "  [ Main ]  \r\n"
                       "  Name  =  value with  inner blanks  \r\n"
                       "name=second occurrence\r\n"
                       "Клавиша=Ёлка\n"
                       "quoted=\"  kept  \"\n"
                       "bare line\n"
                       "=no name\n"
                       "[main]\n"
                       "hidden=behind the first section\n"
                       "[ДРУГОЙ]\r"
                       "x=1"));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Main", Cp("ДРУГОЙ")}));
  EXPECT_EQ(ini.ReadString("MAIN", "NAME"), "value with  inner blanks");
  EXPECT_EQ(ini.ReadString("main", Cp("клавиша")), Cp("Ёлка"));  // Cyrillic without regard to case
  EXPECT_EQ(ini.ReadString(Cp("другой"), "X"), "1");              // a lone CR ends a line too
  EXPECT_EQ(ini.ReadString("Main", "quoted"), "  kept  ");
  EXPECT_TRUE(ini.HasKey("Main", "bare line"));
  EXPECT_EQ(ini.ReadString("Main", "bare line", "fallback"), "");
  EXPECT_FALSE(ini.HasKey("Main", "hidden"));
  EXPECT_FALSE(ini.HasKey("Main", "orphan"));
  EXPECT_FALSE(ini.HasKey("Main", "; comment"));
  EXPECT_EQ(ini.ReadString("Main", "missing", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadString("Nowhere", "Name", "fallback"), "fallback");

  // Entries keep file order; a repeated name gives its first value again.
  const auto values = ini.SectionValues("MAIN");
  ASSERT_EQ(values.size(), 5u);
  EXPECT_EQ(values[0], std::make_pair(std::string("Name"), std::string("value with  inner blanks")));
  EXPECT_EQ(values[1], std::make_pair(std::string("name"), std::string("value with  inner blanks")));
  EXPECT_EQ(values[2].first, Cp("Клавиша"));
}

TEST(IniFile, IntegersDecimalOrHexadecimalElseTheDefault) {
  const IniFile ini("[n]\n"
                    "dec=2048\nneg=-12\nplus=+7\nhex=0x4000\nupperHex=0XfF\ndollar=$3000\n"
                    "empty=\nword=12ab\nspace=1 2\nprefixOnly=0x\ndollarOnly=$\nsignedHex=0x-5\n"
                    "huge=99999999999\nfloat=1.5\n");
  const auto read = [&](const char* key) { return ini.ReadInteger("n", key, -99); };
  EXPECT_EQ(read("dec"), 2048);
  EXPECT_EQ(read("neg"), -12);
  EXPECT_EQ(read("plus"), 7);
  EXPECT_EQ(read("hex"), 0x4000);
  EXPECT_EQ(read("upperHex"), 255);
  EXPECT_EQ(read("dollar"), 0x3000);
  for (const char* bad : {"empty", "word", "space", "prefixOnly", "dollarOnly", "signedHex", "huge", "float",
                          "missing"}) {
    EXPECT_EQ(read(bad), -99) << bad;
  }
}

TEST(IniFile, UnreadableFileIsAReadError) {
  EXPECT_THROW(IniFile::Load("/nonexistent/folder/DEVICES.TYP"), FileReadError);
  test::ScratchFolder folder;
  EXPECT_THROW(IniFile::Load(folder.Path()), FileReadError);  // a folder is no file
}

}  // namespace
}  // namespace vl
