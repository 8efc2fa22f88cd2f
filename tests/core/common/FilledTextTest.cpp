#include <gtest/gtest.h>

#include "core/common/FilledText.h"

namespace vl {
namespace {

TEST(FilledTextTest, PutsEachValueAtItsNumberInAnyOrder) {
  EXPECT_EQ(FilledText("Клавиши (%1,%2)-(%3,%4)", {"0", "1", "2", "3"}), "Клавиши (0,1)-(2,3)");
  // A translation may reorder and repeat the markers.
  EXPECT_EQ(FilledText("%2 of %1, again %2", {"a", "b"}), "b of a, again b");
  // Two digits are read as one number, as the translations' grammar does.
  EXPECT_EQ(FilledText("%10/%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}), "ten/1");
}

TEST(FilledTextTest, KeepsWhatIsNoMarkerOrHasNoValue) {
  EXPECT_EQ(FilledText("100%% %1", {"x"}), "100% x");
  EXPECT_EQ(FilledText("%0 %3 %d %s %", {"a", "b"}), "%0 %3 %d %s %");
  // "%15" is marker 15, which has no value: kept whole, not "%1" and a 5.
  EXPECT_EQ(FilledText("%15", {"a"}), "%15");
  EXPECT_EQ(FilledText("", {"a"}), "");
}

TEST(FilledTextTest, NeverReadsAValueForMarkers) {
  // A file name or key label holding markers stays as it is.
  EXPECT_EQ(FilledText("Файл %1, строка %2", {"%2%%.mtf", "7"}), "Файл %2%%.mtf, строка 7");
  EXPECT_EQ(FilledText("%1%2", {"%", "1"}), "%1");
}

}  // namespace
}  // namespace vl
