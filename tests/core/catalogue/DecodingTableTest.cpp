#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/catalogue/DecodingTable.h"

namespace vl {
namespace {

using test::Pair;

TEST(DecodingTable, FillsColumnByColumnAcrossAnySeparators) {
  DecodingTable table;
  ASSERT_TRUE(table.LoadText("0:0 1:0\n2:0", 1));
  EXPECT_EQ(Pair(table.At(0, 0)), std::make_pair(0, 0));
  EXPECT_EQ(Pair(table.At(0, 1)), std::make_pair(1, 0));
  EXPECT_EQ(Pair(table.At(1, 0)), std::make_pair(2, 0));
  EXPECT_EQ(table.EntryCount(), 3);

  // Runs of blanks, CR LF and a trailing separator end no extra entries.
  ASSERT_TRUE(table.LoadText("  3:4  \r\n\r\n -1:$A\r 0x2:-0\n\n", 2));
  EXPECT_EQ(Pair(table.At(0, 0)), std::make_pair(3, 4));
  EXPECT_EQ(Pair(table.At(0, 1)), std::make_pair(-1, 10));
  EXPECT_EQ(Pair(table.At(0, 2)), std::make_pair(2, 0));
  EXPECT_EQ(Pair(table.At(1, 0)), std::make_pair(0, 0));  // a reload starts from a clear table
  EXPECT_EQ(table.EntryCount(), 3);

  EXPECT_EQ(Pair(table.At(-1, 0)), std::make_pair(0, 0));
  EXPECT_EQ(Pair(table.At(16, 0)), std::make_pair(0, 0));
  EXPECT_EQ(Pair(table.At(0, 18)), std::make_pair(0, 0));
}

TEST(DecodingTable, RefusesEntriesThatAreNotTwoIntegersAroundAColon) {
  for (const char* bad : {"1", "1:", ":1", "a:1", "1:b", "1:2:3", "1;2", "1\t:2", "1:2\t3:4", "255:0", "0:-255"}) {
    DecodingTable table;
    ASSERT_TRUE(table.LoadText("5:5", 0));
    EXPECT_FALSE(table.LoadText(std::string("0:0 ") + bad, 3)) << bad;
    EXPECT_EQ(Pair(table.At(0, 0)), std::make_pair(0, 0)) << "a failed load leaves no entry behind";
    EXPECT_EQ(table.EntryCount(), 0);
  }
}

TEST(DecodingTable, RefusesWhatTheTableCannotHold) {
  DecodingTable table;
  EXPECT_FALSE(table.LoadText("0:0", -1));  // a type without a catalogue section
  EXPECT_FALSE(table.LoadText("0:0", 18));
  EXPECT_TRUE(table.LoadText("0:0", 17));

  std::string full;
  for (int i = 0; i < 16 * 18; ++i) full += "0:0 ";
  EXPECT_TRUE(table.LoadText(full, 17));
  EXPECT_FALSE(table.LoadText(full + "1:1", 17));

  // Entries beyond the device's width but within the table are kept.
  EXPECT_TRUE(table.LoadText("0:0 1:0 2:0 3:0", 1));
  EXPECT_EQ(Pair(table.At(1, 1)), std::make_pair(3, 0));
}

TEST(DecodingTable, LoadsFromAFile) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("K4.DEC", "0:1 0:0\r\n1:1 1:0\r\n");
  DecodingTable table;
  ASSERT_TRUE(table.Load(path, 1, 1));
  EXPECT_EQ(Pair(table.At(1, 0)), std::make_pair(1, 1));
  const KeyPlacement placement = table.Placement();
  ASSERT_TRUE(table.LoadText("9:9", 0));
  EXPECT_EQ(Pair(placement(1, 0)), std::make_pair(1, 1)) << "the placement is a copy";

  EXPECT_FALSE(table.Load(path, 16, 1));
  EXPECT_FALSE(table.Load(folder.Path() + "/MISSING.DEC", 1, 1));
  EXPECT_FALSE(table.Load(folder.Path(), 1, 1));
}

}  // namespace
}  // namespace vl
