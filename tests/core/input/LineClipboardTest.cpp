// The private clipboard form of a line's bytes.

#include <gtest/gtest.h>

#include "core/input/LineClipboard.h"

namespace vl {
namespace {

TEST(LineClipboardTest, RoundTripKeepsEveryByte) {
  std::string bytes;
  for (int i = 0; i < 255; ++i) bytes.push_back(static_cast<char>(255 - i));
  const std::string data = EncodeLineClipboard(bytes);
  EXPECT_EQ(static_cast<uint8_t>(data[0]), 255);
  EXPECT_EQ(DecodeLineClipboard(data), bytes);
  EXPECT_EQ(DecodeLineClipboard(EncodeLineClipboard("")), "");
}

TEST(LineClipboardTest, ShortOrEmptyDataIsRefusedAndPaddingIgnored) {
  EXPECT_FALSE(DecodeLineClipboard(""));
  EXPECT_FALSE(DecodeLineClipboard(std::string("\x05\x1c\x1c", 3)));
  EXPECT_EQ(DecodeLineClipboard(std::string("\x02\x1c\xf0\x00\x00", 5)), std::string("\x1c\xf0"));
}

}  // namespace
}  // namespace vl
