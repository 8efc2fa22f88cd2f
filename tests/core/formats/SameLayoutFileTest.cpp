#include <gtest/gtest.h>

#include <filesystem>

#include "core/formats/LayoutFormats.h"

namespace vl::test {
namespace {

// The open command finds the window of a file by these answers.
TEST(SameLayoutFileTest, OneFileByAnyOfItsNamesAndLetterCases) {
  const std::filesystem::path here = std::filesystem::current_path();
  EXPECT_TRUE(SameLayoutFile("layout.vld", here / "layout.vld"));
  EXPECT_TRUE(SameLayoutFile(here / "sub" / ".." / "layout.vld", here / "./layout.vld"));
  EXPECT_TRUE(SameLayoutFile("/home/User/Layout.VLD", "/HOME/user/layout.vld"));
  // Cyrillic names, Ukrainian letters among them.
  EXPECT_TRUE(SameLayoutFile("/tmp/раскладка ёжик.vld", "/tmp/РАСКЛАДКА ЁЖИК.VLD"));
  EXPECT_TRUE(SameLayoutFile("/tmp/ґанок і їжак є.vld", "/tmp/ҐАНОК І ЇЖАК Є.vld"));
}

TEST(SameLayoutFileTest, OtherFilesAndEmptyNamesDiffer) {
  EXPECT_FALSE(SameLayoutFile("/tmp/a/layout.vld", "/tmp/b/layout.vld"));
  EXPECT_FALSE(SameLayoutFile("/tmp/layout.vld", "/tmp/layout.mtf"));
  // Letters of the same place in the alphabet but of other letters' case pairs.
  EXPECT_FALSE(SameLayoutFile("/tmp/е.vld", "/tmp/ё.vld"));
  EXPECT_FALSE(SameLayoutFile("/tmp/и.vld", "/tmp/і.vld"));
  EXPECT_FALSE(SameLayoutFile("", ""));
  EXPECT_FALSE(SameLayoutFile("", "layout.vld"));
}

}  // namespace
}  // namespace vl::test
