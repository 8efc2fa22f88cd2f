#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/text/Cp1251.h"
#include "core/text/Utf8.h"

namespace vl {
namespace {

TEST(Cp1251Test, RoundTripsEveryDefinedByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x98) all += static_cast<char>(b);
  }
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp1251("Пробел €"), std::optional<std::string>("\xCF\xF0\xEE\xE1\xE5\xEB \x88"));
}

// Overlong forms would turn into '/' or NUL past a check; surrogates and code points
// beyond Unicode are not characters; a truncated sequence is not one either.
TEST(Cp1251Test, RefusesWhatIsNotValidUtf8) {
  const char* invalid[] = {
      "\xC0\xAF",          // overlong '/'
      "\xC0\x80",          // overlong NUL
      "\xE0\x80\xAF",      // overlong '/' in three bytes
      "\xF0\x80\x80\xAF",  // and in four
      "\xC1\xBF",          // overlong DEL
      "\xED\xA0\x80",      // high surrogate
      "\xED\xBF\xBF",      // low surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xD0",              // truncated
      "\xE2\x82",          // truncated
      "\x80",              // stray continuation
      "\xFF",
      "a\xD0z",  // a lead without its continuation
  };
  for (const char* text : invalid) {
    EXPECT_EQ(Utf8ToCp1251(text), std::nullopt) << text;
    size_t pos = 0;
    const std::string_view view(text);
    while (pos < view.size() && NextUtf8CodePoint(view, pos)) {
    }
    EXPECT_LT(pos, view.size()) << text;
  }
  EXPECT_EQ(Utf8ToCp1251Lossy("a\xC0\xAF" "b"), "a??b");
  EXPECT_EQ(Utf8ToCp1251Lossy("\xE0\x80\xAF"), "???");
}

TEST(Cp1251Test, AcceptsTheShortestFormsAtEveryBoundary) {
  const std::pair<const char*, char32_t> valid[] = {
      {"\x7F", 0x7F},         {"\xC2\x80", 0x80},         {"\xDF\xBF", 0x7FF},
      {"\xE0\xA0\x80", 0x800}, {"\xED\x9F\xBF", 0xD7FF},   {"\xEE\x80\x80", 0xE000},
      {"\xEF\xBF\xBF", 0xFFFF}, {"\xF0\x90\x80\x80", 0x10000}, {"\xF4\x8F\xBF\xBF", 0x10FFFF},
  };
  for (const auto& [text, code] : valid) {
    size_t pos = 0;
    EXPECT_EQ(NextUtf8CodePoint(text, pos), std::optional<char32_t>(code)) << text;
    EXPECT_EQ(pos, std::string_view(text).size());
  }
  // Valid but outside the code page: refused as well, never substituted.
  EXPECT_EQ(Utf8ToCp1251("\xE2\x82\xBF"), std::nullopt);
  EXPECT_EQ(Utf8ToCp1251Lossy("\xE2\x82\xBF"), "?");
}

}  // namespace
}  // namespace vl
