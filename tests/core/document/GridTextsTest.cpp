#include <gtest/gtest.h>

#include <string_view>

#include "core/document/GridTexts.h"
#include "core/document/KeyNoteOps.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

TMacroButton& PutMacro(TVL2Document& document, int column, int row, const std::string& press) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[0].Macro[0] = press;
  document.SetKey(column, row, std::move(key));
  return *document.GetKey(column, row);
}

TEST(GridTexts, HintBreaksNotesLongerThan75CharactersAndNamesTheBookmark) {
  TKeyNote note;
  note.KeyNote = std::string(75, 'a');
  EXPECT_EQ(KeyHint(note), std::string(75, 'a'));
  note.KeyNote = std::string(76, 'a');
  EXPECT_EQ(KeyHint(note), std::string(75, 'a') + "\n" + "a");
  note.KeyNote = "x";
  note.Mark = *Utf8ToCp1251("метка");
  EXPECT_EQ(KeyHint(note), "Примечание (x)\nЗакладка (метка)");
  note.KeyNote.clear();
  EXPECT_EQ(KeyHint(note), "Закладка (метка)");
  EXPECT_EQ(KeyHint(TKeyNote{}), "");
}

TEST(GridTexts, PositionCaptionAndMoveTextsForOneKeyAndForABlock) {
  EXPECT_EQ(PositionText({3, 4, 3, 4}), "(3,4)");
  EXPECT_EQ(SelectionCaption({3, 4, 3, 4}), "Клавиша (3,4)");
  EXPECT_EQ(PositionText({1, 1, 4, 2}), "размер (4,2)");
  EXPECT_EQ(SelectionCaption({1, 1, 4, 2}), "Клавиши (1,1)-(4,2)");
  EXPECT_EQ(MoveText({1, 1, 1, 1}, {2, 3, 2, 3}), "(1,1) в (2,3)");
  EXPECT_EQ(MoveText({2, 1, 2, 255}, {4, 1, 4, 255}), "(2,1)(2,255) в (4,1)(4,255)");
}

TEST(GridTexts, TranslatedFormatsFillOnlyTheirNumberPlaces) {
  // A translation is data: a stray, extra or foreign conversion in it must come
  // out as written, never read an argument that was not passed.
  const TextTranslator sloppy = [](const char* text) -> std::string {
    if (std::string_view(text) == kBlockSizeFormat) return "%2 x %1, %3 %d %n 100%% 5%";
    if (std::string_view(text) == kBlockCaptionFormat) return "Keys %3-%1";
    return text;
  };
  EXPECT_EQ(PositionText({1, 1, 4, 2}, sloppy), "2 x 4, %3 %d %n 100% 5%");
  EXPECT_EQ(SelectionCaption({1, 1, 4, 2}, sloppy), "Keys 4-1");
}

TEST(GridTexts, SummaryKeepsOnlyWhatAllKeysShare) {
  TVL2Document document;
  PutMacro(document, 1, 1, "\x1c").Layers[0].AutoRepeat = 1;
  PutMacro(document, 2, 1, "\x1c").Layers[1].Macro[0] = "\x32";
  const SelectionSummary both = SummarizeSelection(document, {1, 1, 2, 1});
  EXPECT_EQ(both.Key.Func, kFuncMacro);
  EXPECT_EQ(both.Key.Layers[0].Macro[0], "\x1c");
  EXPECT_EQ(both.Key.Layers[0].AutoRepeat, 0);
  EXPECT_TRUE(both.Key.Layers[1].Macro[0].empty());
  // A key without a record differs in its function.
  EXPECT_EQ(SummarizeSelection(document, {1, 1, 3, 1}).Key.Func, kFuncNone);
  // A block reaching past the field is cut to it rather than read outside.
  EXPECT_EQ(SummarizeSelection(document, {254, 254, 300, 300}).Key.Func, kFuncNone);
}

TEST(GridTexts, CellInformationListsNotesGroupAndEachUsedLayer) {
  TVL2Document document;
  TMacroButton& key = PutMacro(document, 2, 3, "\x1c");
  key.Layers[2].Macro[1] = "\x1c";
  key.Layers[2].Click = 12;
  document.MakeGroup({2, 3, 3, 3});
  const std::string text = CellInformation(document, 2, 3, KeyLanguage::English);
  EXPECT_NE(text.find("Группа: (2,3)-(3,3)\nМастер-клавиша: (2,3)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nУровень 0\nНажатие: "), std::string::npos) << text;
  EXPECT_NE(text.find("\nУровень 2\nОтжатие: "), std::string::npos) << text;
  EXPECT_NE(text.find("Щелчок: 1,2c"), std::string::npos) << text;
  EXPECT_EQ(text.find("Уровень 1"), std::string::npos) << text;
  EXPECT_EQ(CellSequenceText(std::string("\xF0\x1c", 2), KeyLanguage::English),
            "СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ");
}

TEST(GridTexts, SpokenCellTextFollowsTheShownLayer) {
  TVL2Document document;
  TMacroButton& key = PutMacro(document, 2, 3, "\x1c");  // a
  key.Layers[1].Macro[0] = "\x32";                       // b
  key.Layers[1].Macro[1] = std::string("\xF0\x32", 2);
  EXPECT_EQ(CellSpokenText(document, 2, 3, 0, KeyLanguage::English), "Нажатие: a");
  // As in the cell information: a sequence of releases alone shows nothing.
  EXPECT_EQ(CellSpokenText(document, 2, 3, 1, KeyLanguage::English),
            "Нажатие: b; Отжатие: СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ");
  // A layer the key leaves empty says nothing of the others.
  EXPECT_EQ(CellSpokenText(document, 2, 3, 2, KeyLanguage::English), "");
  EXPECT_EQ(CellSpokenText(document, 2, 3, kAllLayers, KeyLanguage::English),
            "Уровень 0; Нажатие: a; Уровень 1; Нажатие: b; Отжатие: СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ");

  auto up = std::make_unique<TMacroButton>();
  up->Func = 1;
  document.SetKey(4, 4, std::move(up));
  SetKeyNote(document, {4, 4, 4, 4}, *Utf8ToCp1251("вверх"));
  EXPECT_EQ(CellSpokenText(document, 4, 4, 0, KeyLanguage::English), "Переход на уровень вверх; Примечание: вверх");
  EXPECT_EQ(CellSpokenText(document, 9, 9, 0, KeyLanguage::English), "");
}

}  // namespace
}  // namespace vl
