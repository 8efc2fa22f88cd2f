// Whatever the writer stores, the reader gives back: random documents, the edges
// of the field, and what both tell the user meanwhile.

#include "LayoutFileSupport.h"

namespace vl::test {
namespace {

using LayoutFileRoundTrip = LayoutFileTest;

// Keys, notes, groups, card reader and password drawn at random over the field.
std::unique_ptr<TVL2Document> RandomDocument(unsigned seed) {
  std::mt19937 random(seed);
  auto document = std::make_unique<TVL2Document>();
  std::uniform_int_distribution<int> cell(1, kFieldSize);
  for (int i = 0; i < 400; ++i) PutKey(*document, cell(random), cell(random), RandomKey(random, 6));
  for (int i = 0; i < 150; ++i) {
    const int kind = i % 3;
    PutNote(*document, cell(random), cell(random), kind == 1 ? "" : std::string(1 + i % 4, 'n'),
            kind == 0 ? "" : "m" + std::to_string(i % 5));
  }
  for (int i = 0; i < 20; ++i) {
    const int left = 1 + 12 * i;
    document->MakeGroup({left, 10 + i, left + i % 3, 10 + i + i % 2});
  }
  document->SetMaster(1 + 12 * 5, 16);
  document->CardReader = RandomKey(random, 4);
  document->CardReader.Func = kFuncNone;
  document->TrackMask = static_cast<uint8_t>(seed % 16);
  if (seed % 2) document->Password = std::string(1 + seed % 20, static_cast<char>('a' + seed % 26));
  return document;
}

TEST_F(LayoutFileRoundTrip, RandomDocumentsReadBackUnchanged) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const auto document = RandomDocument(seed);
    Save(*document);
    if (!document->Password.empty()) prompt.passwords = {document->Password};
    const auto loaded = Load();
    ExpectSameContent(*document, *loaded);
    // The second generation is byte for byte the first (the marker aside).
    const std::string first = Bytes();
    Save(*loaded, "again.vld");
    EXPECT_EQ(Bytes("again.vld").substr(1), first.substr(1)) << seed;
  }
}

TEST_F(LayoutFileRoundTrip, KeysInColumn255AndTheCornerCellSurvive) {
  {
    // The corner key alone: its record would be the first key record of the file.
    TVL2Document document;
    PutKey(document, 255, 255, MacroKey("\x1C"));
    Save(document);
    const auto loaded = Load();
    ExpectSameContent(document, *loaded);
  }
  // Every combination of card reader and corner key: none may take the other's place.
  for (const bool withCardReader : {false, true}) {
    for (const bool withCorner : {false, true}) {
      TVL2Document document;
      PutKey(document, 255, 1, MacroKey("\x15"));
      PutKey(document, 255, 254, MacroKey("\x16"));
      if (withCorner) PutKey(document, 255, 255, MacroKey("\x1C"));
      if (withCardReader) document.CardReader.Layers[1].Macro[0] = "\x3B";
      // A key equal to the corner key elsewhere, so a same-key record points at (255, 255).
      if (withCorner) PutKey(document, 1, 1, MacroKey("\x1C"));
      Save(document);
      const auto loaded = Load();
      ExpectSameContent(document, *loaded);
    }
  }
}

TEST_F(LayoutFileRoundTrip, FlagsAfterSaveAndLoad) {
  TVL2Document document;
  PutKey(document, 1, 1, MacroKey("\x1C"));
  document.MakeGroup({2, 2, 3, 3});  // sets Modified
  Save(document);
  EXPECT_FALSE(document.Modified);
  EXPECT_TRUE(document.Named);
  EXPECT_EQ(document.FileName, Path("layout.vld"));

  document.SetMaster(3, 3);
  Save(document);
  const auto loaded = Load();
  EXPECT_FALSE(loaded->Modified);  // making the groups while reading does not count
  EXPECT_TRUE(loaded->Named);
  EXPECT_EQ(loaded->FileName, Path("layout.vld"));
  // Nor is it an edit: undo has nothing to take the file's groups away with.
  EXPECT_FALSE(loaded->History.CanUndo());
  EXPECT_TRUE(loaded->GetGroup(2, 2) == document.GetGroup(2, 2));
  EXPECT_TRUE(loaded->GetGroup(3, 3) == document.GetGroup(3, 3));
}

TEST_F(LayoutFileRoundTrip, StatusTextsAndProgressAreShownAndClearedAgain) {
  TVL2Document document;
  // 1000 different keys move the bar to 1 percent.
  for (int column = 1; column <= 250; ++column) {
    for (int row = 1; row <= 4; ++row) {
      PutKey(document, column, row, MacroKey(std::string(column, '\x1C') + static_cast<char>(row)));
    }
  }
  PutNote(document, 1, 1, "n");
  Save(document);
  EXPECT_EQ(reporter.statuses, (std::vector<std::string>{"Сохранение функций кнопок", "Сохр. примечаний и закладок",
                                                         "Сохр. групп клавиш", ""}));
  EXPECT_FALSE(reporter.Visible());
  // The note pass starts its count again: the bar goes back to 0 after the keys.
  EXPECT_EQ(reporter.positions, (std::vector<int>{0, 0, 1, 0}));

  reporter = {};
  Load();
  EXPECT_EQ(reporter.statuses, (std::vector<std::string>{"Чтение раскладки из файла", ""}));
  EXPECT_FALSE(reporter.Visible());
  ASSERT_FALSE(reporter.positions.empty());
  EXPECT_TRUE(std::is_sorted(reporter.positions.begin(), reporter.positions.end()));
  EXPECT_EQ(reporter.positions.back(), 100);
}

}  // namespace
}  // namespace vl::test
