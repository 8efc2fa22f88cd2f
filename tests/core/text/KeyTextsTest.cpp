#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/text/KeyTexts.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

std::string Seq(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

std::string Text(std::initializer_list<int> bytes, KeyLanguage language = KeyLanguage::English,
                 bool functionKeys = false, size_t limit = kNoTextLimit) {
  return SequenceToText(Seq(bytes), limit, language, functionKeys);
}

TEST(KeyTable, EveryTableKeyHasTextsAndTheSetsAgree) {
  std::set<uint8_t> set2;
  for (uint8_t set1 : Set1Codes()) {
    const uint8_t code = Set1ToSet2(set1);
    ASSERT_NE(code, 0) << "set-1 " << int(set1);
    EXPECT_TRUE(set2.insert(code).second) << "set-2 code twice: " << int(code);
    for (auto language : {KeyLanguage::English, KeyLanguage::Russian, KeyLanguage::Ukrainian}) {
      EXPECT_FALSE(KeyText(code, false, language).empty()) << int(code);
    }
    EXPECT_FALSE(KeyText(code, true, KeyLanguage::English).empty()) << int(code);
  }
  EXPECT_EQ(set2.size(), 90u);
  EXPECT_EQ(Set1ToSet2(0x54), 0x84);
  EXPECT_EQ(Set1ToSet2(0x5B), 0x1F);
  EXPECT_EQ(Set1ToSet2(0x5C), 0x27);
  EXPECT_EQ(Set1ToSet2(0x5D), 0x2F);
  EXPECT_EQ(Set1ToSet2(0x55), 0);
  EXPECT_EQ(Set1ToSet2(0x7F), 0);
  EXPECT_EQ(KeyText(0x00, false, KeyLanguage::English), "");
  EXPECT_EQ(KeyText(0xE0, false, KeyLanguage::English), "");
}

TEST(KeyTable, LanguageColumnsAndExtendedTexts) {
  EXPECT_EQ(KeyText(0x15, false, KeyLanguage::Russian), "й");
  EXPECT_EQ(KeyText(0x15, true, KeyLanguage::Russian), "q");
  EXPECT_EQ(KeyText(0x1B, false, KeyLanguage::Russian), "ы");
  EXPECT_EQ(KeyText(0x1B, false, KeyLanguage::Ukrainian), "і");
  EXPECT_EQ(KeyText(0x5B, false, KeyLanguage::Ukrainian), "ї");
  EXPECT_EQ(KeyText(0x52, false, KeyLanguage::Ukrainian), "є");
  EXPECT_EQ(KeyText(0x4A, false, KeyLanguage::Russian), ".");
  EXPECT_EQ(KeyText(0x4A, true, KeyLanguage::Russian), "</>");
  EXPECT_EQ(KeyText(0x14, false, KeyLanguage::English), "LControl");
  EXPECT_EQ(KeyText(0x14, true, KeyLanguage::English), "RControl");
  EXPECT_EQ(KeyText(0x75, true, KeyLanguage::Ukrainian), "UpArrow");
  EXPECT_EQ(KeyText(0x75, false, KeyLanguage::Ukrainian), "<8>");
  EXPECT_EQ(KeyText(0x76, true, KeyLanguage::Russian), "Esc");
  EXPECT_EQ(KeyLanguageFromSetting(2), KeyLanguage::Ukrainian);
  EXPECT_EQ(KeyLanguageFromSetting(7), KeyLanguage::English);
}

TEST(KeyTable, CaseRuleUpperCasesSingleLettersOnly) {
  const KeyCaseState shift{true, false, true, false};
  const KeyCaseState caps{false, false, true, true};
  const KeyCaseState capsAndShift{false, true, true, true};
  EXPECT_EQ(KeyText(0x1C, false, KeyLanguage::English, shift), "A");
  EXPECT_EQ(KeyText(0x1C, false, KeyLanguage::English, caps), "A");
  EXPECT_EQ(KeyText(0x1C, false, KeyLanguage::English, capsAndShift), "a");
  EXPECT_EQ(KeyText(0x1C, false, KeyLanguage::Russian, caps), "Ф");
  EXPECT_EQ(KeyText(0x0E, false, KeyLanguage::Russian, shift), "Ё");
  EXPECT_EQ(KeyText(0x1B, false, KeyLanguage::Ukrainian, shift), "І");
  EXPECT_EQ(KeyText(0x5B, false, KeyLanguage::Ukrainian, shift), "Ї");
  EXPECT_EQ(KeyText(0x52, false, KeyLanguage::Ukrainian, shift), "Є");
  EXPECT_EQ(KeyText(0x3A, false, KeyLanguage::Russian, shift), "Ь");
  EXPECT_EQ(KeyText(0x16, false, KeyLanguage::English, shift), "1");
  EXPECT_EQ(KeyText(0x76, false, KeyLanguage::English, caps), "Esc");
  EXPECT_EQ(KeyText(0x54, false, KeyLanguage::English, shift), "[");
}

TEST(KeyTable, CharactersFindTheirKeysIgnoringCase) {
  EXPECT_EQ(KeyForCharacter("Й", KeyLanguage::Russian), 0x15);
  EXPECT_EQ(KeyForCharacter("q", KeyLanguage::Russian), std::nullopt);
  EXPECT_EQ(KeyForCharacter("Q", KeyLanguage::English), 0x15);
  EXPECT_EQ(KeyForCharacter("Ї", KeyLanguage::Ukrainian), 0x5B);
  EXPECT_EQ(KeyForCharacter(" ", KeyLanguage::English), 0x29);
  EXPECT_EQ(KeyForCharacter("/", KeyLanguage::English), 0x4A);
  EXPECT_EQ(KeyForCharacter("Es", KeyLanguage::English), std::nullopt);
  EXPECT_EQ(KeyForCharacter("", KeyLanguage::English), std::nullopt);
}

TEST(SequenceText, ShiftedLettersAndReleases) {
  // Shift h, e, l, l, o with releases.
  EXPECT_EQ(Text({0x12, 0x33, 0xF0, 0x33, 0xF0, 0x12, 0x24, 0xF0, 0x24, 0x4B, 0xF0, 0x4B, 0x4B,
                  0xF0, 0x4B, 0x44, 0xF0, 0x44}),
            "Hello");
  // Right Shift held across two letters; releases alone give nothing.
  EXPECT_EQ(Text({0x59, 0x1C, 0x32, 0xF0, 0x59, 0x21}), "ABc");
  EXPECT_EQ(Text({0xF0, 0x1C, 0xF0, 0x32}), "");
  // Shift shows as letter case, never by name.
  EXPECT_EQ(Text({0x12, 0x1C, 0xF0, 0x12}, KeyLanguage::English, true), "A");
}

TEST(SequenceText, CyrillicFollowsTheLanguage) {
  const auto word = {0x1B, 0x1D};  // s w
  EXPECT_EQ(SequenceToText(Seq(word), kNoTextLimit, KeyLanguage::English, false), "sw");
  EXPECT_EQ(SequenceToText(Seq(word), kNoTextLimit, KeyLanguage::Russian, false), "ыц");
  EXPECT_EQ(SequenceToText(Seq(word), kNoTextLimit, KeyLanguage::Ukrainian, false), "іц");
  // Caps Lock toggles for the rest of the sequence, a second press turns it off.
  EXPECT_EQ(Text({0x58, 0xF0, 0x58, 0x15, 0x58, 0x15}, KeyLanguage::Russian), "Йй");
}

TEST(SequenceText, ControlKeysPausesAndPauseKeyOnlyWithFunctionKeys) {
  const auto seq = {0x14, 0x1C, 0xF0, 0x1C, 0xF0, 0x14, 0xFF, 85, 0xE0, 0x75, 0xE0, 0xF0, 0x75,
                    0x5A, 0xE1, 0x14, 0x77, 0xE1, 0xF0, 0x14, 0xF0, 0x77, 0x29};
  EXPECT_EQ(Text(seq, KeyLanguage::English, false), "a ");
  EXPECT_EQ(Text(seq, KeyLanguage::English, true), "[LControl]a[0,5c][UpArrow][Enter][Pause] ");
  // The keyboard's added shifts before navigation keys are not named.
  EXPECT_EQ(Text({0xE0, 0x12, 0xE0, 0x6C, 0xE0, 0xF0, 0x6C, 0xE0, 0xF0, 0x12}, KeyLanguage::English,
                 true),
            "[Home]");
  EXPECT_EQ(Text({0xFF, 95}, KeyLanguage::English, true), "[1,5c]");
}

TEST(SequenceText, LimitCountsCharactersAndBrokenTailsEndQuietly) {
  EXPECT_EQ(Text({0x15, 0x1D, 0x24}, KeyLanguage::Russian, false, 2), "йц");
  EXPECT_EQ(Text({0x76}, KeyLanguage::English, true, 3), "[Es");
  EXPECT_EQ(Text({0x15}, KeyLanguage::English, false, 0), "");
  EXPECT_EQ(Text({0x15, 0xFF}, KeyLanguage::English, true), "q");
  EXPECT_EQ(Text({0x15, 0xE1, 0x14}, KeyLanguage::English, true), "q[Pause]");
  EXPECT_EQ(Text({0x15, 0xE0}, KeyLanguage::English, true), "q");
  EXPECT_EQ(Text({0xFF, 10, 0x15}, KeyLanguage::English, true), "q");
}

TEST(Set1Decoder, TranslatesMakesBreaksAndDropsRepeats) {
  Set1Decoder decoder;
  using Bytes = std::vector<uint8_t>;
  EXPECT_EQ(decoder.Feed(0x1E), (Bytes{0x1C}));                  // a
  EXPECT_EQ(decoder.Feed(0x1E), Bytes{});                        // held: repeat dropped
  EXPECT_EQ(decoder.Feed(0x9E), (Bytes{0xF0, 0x1C}));
  EXPECT_EQ(decoder.Feed(0x1E), (Bytes{0x1C}));                  // pressed again
  EXPECT_EQ(decoder.Feed(0xE0), Bytes{});
  EXPECT_EQ(decoder.Feed(0x1D), (Bytes{0xE0, 0x14}));            // right Control
  EXPECT_EQ(decoder.Feed(0xE0), Bytes{});
  EXPECT_EQ(decoder.Feed(0x9D), (Bytes{0xE0, 0xF0, 0x14}));
  EXPECT_EQ(decoder.Feed(0xFA), Bytes{});
  EXPECT_EQ(decoder.Feed(0x55), Bytes{});                        // not in the table
  EXPECT_EQ(decoder.Feed(0x54), (Bytes{0x84}));

  decoder.Reset();
  Bytes pause;
  for (uint8_t b : {0xE1, 0x1D, 0x45, 0xE1, 0x9D, 0xC5}) {
    const Bytes out = decoder.Feed(b);
    pause.insert(pause.end(), out.begin(), out.end());
  }
  EXPECT_EQ(pause, Bytes(kPauseKeySequence.begin(), kPauseKeySequence.end()));
  EXPECT_EQ(decoder.Feed(0x10), (Bytes{0x15}));
}

}  // namespace
}  // namespace vl
