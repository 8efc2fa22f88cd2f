// The exact bytes the writer produces for the cases whose form matters to other
// installations reading the files.

#include <set>
#include <sstream>

#include "LayoutFileSupport.h"
#include "core/document/LayoutFileFormat.h"

namespace vl::test {
namespace {

// "FF 32 21" -> the bytes.
std::string Hex(const std::string& text) {
  std::istringstream in(text);
  std::string bytes;
  for (std::string pair; in >> pair;) bytes.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
  return bytes;
}

const std::string kHeaderAndDefaultProperties = Hex("FF 32 21 03 22 00 23 01 28 00");

using LayoutFileBytes = LayoutFileTest;

TEST_F(LayoutFileBytes, EmptyLayoutIsTheHeaderAndTheFourPropertyRecords) {
  TVL2Document document;
  EXPECT_EQ(Save(document), kHeaderAndDefaultProperties);

  // The properties come from the settings, the track mask from the document.
  settings.Set(Setting::LayerCount, 1);
  settings.Set(Setting::Layout, 2);
  settings.Set(Setting::CorrectLock, 1);
  settings.Set(Setting::Ibd, 15);
  settings.Set(Setting::Buffered, 1);
  document.TrackMask = 0x0B;
  EXPECT_EQ(Save(document), Hex("FF 32 21 2D 22 82 23 0F 28 01"));
}

TEST_F(LayoutFileBytes, EqualKeysGiveOneKeyRecordAndSameKeyRecordsInTraversalOrder) {
  TVL2Document document;
  const TMacroButton a = MacroKey("\x1C", "\xF0\x1C");
  PutKey(document, 2, 1, a);
  PutKey(document, 1, 7, a);
  PutKey(document, 1, 3, MacroKey("\x32"));
  PutKey(document, 3, 3, a);
  EXPECT_EQ(Save(document), kHeaderAndDefaultProperties +
                                Hex("40 01 03 27 00 24 00 90 01 32 01"
                                    " 40 01 07 27 00 24 00 90 01 1C 91 02 F0 1C 01"
                                    " 41 02 01 41 03 03"));
}

TEST_F(LayoutFileBytes, KeyBodyHoldsOnlyTheLayersAndPartsThatAreSet) {
  TVL2Document document;
  TMacroButton key;
  key.Func = 4;
  key.Layers[2].AutoRepeat = 1;
  key.Layers[2].Click = 3;
  key.Layers[3].Note = "ab";
  PutKey(document, 5, 6, key);
  EXPECT_EQ(Save(document), kHeaderAndDefaultProperties +
                                Hex("40 05 06 27 04 24 02 25 01 26 03 24 03 92 02 61 62 01"));
}

TEST_F(LayoutFileBytes, NotesShareOnlyTheirTextAndNeverABookmark) {
  TVL2Document document;
  PutNote(document, 1, 1, "n", "m");  // full record; its text is shared
  PutNote(document, 1, 2, "n");       // same note
  PutNote(document, 1, 3, "n", "x");  // has its own bookmark: full record
  PutNote(document, 2, 1, "", "b1");  // bookmarks alone are never shared
  PutNote(document, 2, 2, "", "b1");
  EXPECT_EQ(Save(document), kHeaderAndDefaultProperties +
                                Hex("42 01 01 93 01 6E 94 01 6D 02 43 01 02"
                                    " 42 01 03 93 01 6E 94 01 78 02"
                                    " 42 02 01 94 02 62 31 02 42 02 02 94 02 62 31 02"));
  const auto loaded = Load();
  ExpectSameContent(document, *loaded);
}

TEST_F(LayoutFileBytes, GroupIsWrittenOnceWithItsCurrentMaster) {
  TVL2Document document;
  document.MakeGroup({3, 4, 4, 5});
  document.SetMaster(4, 5);
  EXPECT_EQ(Save(document), kHeaderAndDefaultProperties + Hex("96 06 04 05 03 04 04 05"));
}

TEST_F(LayoutFileBytes, PasswordOfTwentyCharactersScramblesTheBodyAndReadsBack) {
  TVL2Document document;
  document.Password = "Abcdefghij0123456789";
  PutKey(document, 1, 1, MacroKey("\x1C"));
  std::set<int> markers;
  for (int save = 0; save < 40; ++save) {
    const std::string bytes = Save(document);
    const auto marker = static_cast<uint8_t>(bytes[0]);
    ASSERT_GE(marker, 15);
    ASSERT_LT(marker, 0xFF);
    markers.insert(marker);
    ASSERT_EQ(bytes.substr(1, 3), Hex("32 95 14"));
    for (size_t i = 0; i < 20; ++i) {
      ASSERT_EQ(static_cast<uint8_t>(bytes[4 + i]),
                static_cast<uint8_t>(document.Password[i]) ^ 20 ^ layout_file::kPasswordTable[i]);
    }
    // Body byte k is XOR-ed with password character k mod 20.
    const std::string plainBody = Hex("21 03 22 00 23 01 28 00 40 01 01 27 00 24 00 90 01 1C 01");
    ASSERT_EQ(bytes.size(), 24 + plainBody.size());
    for (size_t k = 0; k < plainBody.size(); ++k) {
      ASSERT_EQ(bytes[24 + k] ^ document.Password[k % 20], plainBody[k]) << k;
    }
  }
  EXPECT_GT(markers.size(), 1u) << "the marker is random";

  prompt.passwords = {document.Password};
  const auto loaded = Load();
  ExpectSameContent(document, *loaded);
  ASSERT_EQ(prompt.passwordWindows.size(), 1u);
  EXPECT_EQ(prompt.passwordWindows[0].firstLine, "Введите пароль для открытия раскладки");
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(LayoutFileBytes, VersionByte02IsTheCurrentFormat) {
  // Major digit in the low nibble: 0x02 is version 2.0, read without a question.
  Write(Hex("FF 02 21 0C 40 01 01 27 00 24 00 90 01 1C 01"));
  const auto loaded = Load();
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_TRUE(prompt.passwordWindows.empty());
  EXPECT_EQ(loaded->TrackMask, 3);
  ASSERT_NE(loaded->GetKey(1, 1), nullptr);
  EXPECT_EQ(*loaded->GetKey(1, 1), MacroKey("\x1C"));
}

}  // namespace
}  // namespace vl::test
