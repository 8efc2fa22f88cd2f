#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/common/FileErrors.h"
#include "core/document/Undo.h"

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

TEST(SpecialPaste, NamesAndNoteFollowTheLanguageWhereTheFileTranslatesThem) {
  const IniFile file(Cp("[Список]\r\nИтог=Список\r\n[en]\r\nИтог=Total\r\nДлинное=" + std::string(60, 'x') +
                        "\r\nПустое=\r\n"));
  const NameTranslations english(file, "en");
  EXPECT_EQ(english(Cp("Итог")), "Total");
  EXPECT_EQ(english(Cp("итог")), "Total");               // names compare as the file's readers compare them
  EXPECT_EQ(english(Cp("Скидка")), Cp("Скидка"));        // no line: Russian
  EXPECT_EQ(english(Cp("Пустое")), Cp("Пустое"));        // an empty translation is none
  EXPECT_EQ(NameTranslations(file, "uk")(Cp("Итог")), Cp("Итог"));
  EXPECT_EQ(NameTranslations(file, "ru")(Cp("Итог")), Cp("Итог"));  // Russian has no section
  EXPECT_EQ(NameTranslations::Read("/nonexistent/spaste-names.ini", "en")(Cp("Итог")), Cp("Итог"));

  const auto Note = [&](const std::string& value) { return ParseSpecialPaste("a", value, english).Result->Note; };
  EXPECT_EQ(Note("14FFFF" + Cp("Итог")), "Total");
  EXPECT_EQ(Note("FFFF" + Cp("Длинное")), std::string(50, 'x'));  // cut after translating
  EXPECT_EQ(Note("FFFF" + Cp("Скидка")), Cp("Скидка"));
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

TEST(SpecialPaste, PastesIntoTheLayerAsOneStepAndKeepsEveryKeyAMacroKey) {
  TVL2Document doc;
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncLayerUp;
  key->Layers[1].Macro[1] = "\xF0\x16";
  key->Layers[2].Macro[0] = "\x32";
  doc.SetKey(1, 1, std::move(key));

  ApplySpecialPaste(doc, {1, 1, 2, 1}, 1, SpecialPasteResult{"\x1C", "", "n"});
  for (int column : {1, 2}) {
    const TMacroButton* pasted = doc.GetKey(column, 1);
    ASSERT_NE(pasted, nullptr) << column;
    EXPECT_EQ(pasted->Func, kFuncMacro);
    EXPECT_EQ(pasted->Layers[1].Macro[0], "\x1C");
    EXPECT_EQ(pasted->Layers[1].Macro[1], "") << "the definition's empty release replaces the key's";
    EXPECT_EQ(pasted->Layers[1].Note, "n");
    EXPECT_EQ(pasted->Layers[1].AutoRepeat, 1);
  }
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[2].Macro[0], "\x32") << "other layers stay";
  EXPECT_EQ(doc.History.UndoName(), kUndoSpecialPaste);
  doc.History.Undo();
  EXPECT_FALSE(doc.History.CanUndo()) << "the paste is a single step";
  EXPECT_EQ(doc.GetKey(1, 1)->Func, kFuncLayerUp);
  EXPECT_EQ(doc.GetKey(1, 1)->Layers[1].Macro[1], "\xF0\x16");
  EXPECT_EQ(doc.GetKey(2, 1), nullptr);

  // An empty definition on all layers still leaves macro keys, not free cells.
  ApplySpecialPaste(doc, {3, 3, 3, 3}, kAllLayers, SpecialPasteResult{});
  ASSERT_NE(doc.GetKey(3, 3), nullptr);
  for (const TMacros& layer : doc.GetKey(3, 3)->Layers) EXPECT_EQ(layer.AutoRepeat, 1);
}

}  // namespace
}  // namespace vl
