#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/common/FileErrors.h"

namespace vl {
namespace {

using test::Cp;

SpecialPasteResult Parsed(std::string_view value) {
  const auto parse = ParseSpecialPaste("test", value);
  EXPECT_TRUE(parse.Result) << parse.Error;
  return parse.Result.value_or(SpecialPasteResult{});
}

TEST(SpecialPaste, SplitsPressReleaseAndNoteAtFF) {
  EXPECT_EQ(Parsed("1CF01CFFFF" + Cp("Примечание")), (SpecialPasteResult{"\x1C\xF0\x1C", "", Cp("Примечание")}));
  EXPECT_EQ(Parsed("12FFf012FFShift"), (SpecialPasteResult{"\x12", "\xF0\x12", "Shift"}));
  EXPECT_EQ(Parsed("e071e0f071"), (SpecialPasteResult{"\xE0\x71\xE0\xF0\x71", "", ""}));  // no FF: press only
  EXPECT_EQ(Parsed("1CF01CFF"), (SpecialPasteResult{"\x1C\xF0\x1C", "", ""}));
  EXPECT_EQ(Parsed(""), SpecialPasteResult{});
  EXPECT_EQ(Parsed("FFFF"), SpecialPasteResult{});
  // The note is taken as written, hexadecimal digits and all.
  EXPECT_EQ(Parsed("FFFF1CF0 x=y"), (SpecialPasteResult{"", "", "1CF0 x=y"}));
}

TEST(SpecialPaste, NoteEndsAtAByteFFAndAtTheLayerNoteLength) {
  EXPECT_EQ(Parsed("1CFFFFab\xFF" "cd").Note, "ab");
  EXPECT_EQ(Parsed("FFFF" + std::string(60, 'n')).Note, std::string(50, 'n'));
}

TEST(SpecialPaste, RefusesUnreadableSequencesNamingTheAction) {
  for (const char* bad : {"1", "1CF", "1CFFF", "1G", "G1", "1C FF", "FF1C1", "1C" "\xCF\xF0"}) {
    const auto parse = ParseSpecialPaste(Cp("Копировать"), bad);
    EXPECT_FALSE(parse.Result) << bad;
    EXPECT_NE(parse.Error.find("\"Копировать\""), std::string::npos) << parse.Error;
  }
  EXPECT_FALSE(ParseSpecialPaste("long", std::string(256 * 2, '1')).Result);
  EXPECT_TRUE(ParseSpecialPaste("long", std::string(255 * 2, '1')).Result);
}

TEST(SpecialPaste, ReadsCategoriesAndActionsInFileOrder) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("spaste.ini", Cp("; definitions\r\n"
                                                         "[Цифры]\r\nОдин=16F016\r\nДва=1EF01E\r\n"
                                                         "[Буквы]\r\nA=1CF01CFFFFA\r\nПусто=\r\n"
                                                         "[Пустая категория]\r\n"));
  const auto categories = ReadSpecialPaste(path);
  ASSERT_EQ(categories.size(), 3u);
  EXPECT_EQ(categories[0].Name, Cp("Цифры"));
  ASSERT_EQ(categories[0].Actions.size(), 2u);
  EXPECT_EQ(categories[0].Actions[1].Name, Cp("Два"));
  EXPECT_EQ(categories[0].Actions[1].Value, "1EF01E");
  EXPECT_EQ(categories[1].Actions[1].Value, "");
  EXPECT_TRUE(categories[2].Actions.empty());
  EXPECT_THROW(ReadSpecialPaste(folder.Path() + "/missing.ini"), FileReadError);
}

}  // namespace
}  // namespace vl
