#include <gtest/gtest.h>

#include "core/formats/CheckLayout.h"

namespace vl::test {
namespace {

constexpr TRect kWholeField{1, 1, kFieldSize, kFieldSize};

class CheckLayoutTest : public ::testing::Test {
 protected:
  TMacroButton& Add(int column, int row, uint8_t func) {
    auto key = std::make_unique<TMacroButton>();
    key->Func = func;
    TMacroButton& record = *key;
    document.SetKey(column, row, std::move(key));
    return record;
  }
  std::vector<std::string> Lines(int layerCount, const TRect& area = kWholeField) {
    std::vector<std::string> lines;
    for (const auto& remark : CheckLayout(document, area, layerCount)) lines.push_back(remark.Line());
    return lines;
  }

  TDocument document;
};

TEST_F(CheckLayoutTest, DataOnLayersThatAreNotLoaded) {
  Add(3, 2, kFuncMacro).Layers[2].Macro[0] = "\x1C";
  const auto remarks = CheckLayout(document, kWholeField, 1);
  ASSERT_EQ(remarks.size(), 1u);
  EXPECT_EQ(remarks[0].Number, 1);
  EXPECT_EQ(remarks[0].Column, 3);
  EXPECT_EQ(remarks[0].Row, 2);
  EXPECT_EQ(remarks[0].Line(), "[1] (3:2) Содержится информация в незагружаемых уровнях (2)");

  TMacroButton& second = Add(4, 1, kFuncMacro);
  second.Layers[1].Click = 2;
  second.Layers[3].Note = "n";
  EXPECT_EQ(Lines(1), (std::vector<std::string>{
                          "[1] (3:2) Содержится информация в незагружаемых уровнях (2)",
                          "[2] (4:1) Содержится информация в незагружаемых уровнях (1, 3)"}));
}

TEST_F(CheckLayoutTest, SwitchesToLayersThatAreNotLoaded) {
  Add(1, 1, kFuncGoToLayer0 + 2);
  Add(1, 2, kFuncShiftToLayer0 + 3);
  Add(1, 3, kFuncShiftToLayer0 + 1);
  EXPECT_EQ(Lines(2), (std::vector<std::string>{
                          "[1] (1:1) Ссылка на незагружаемые уровни (2)",
                          "[2] (1:2) Ссылка на незагружаемые уровни (3)",
                          "[3] Раскладка содержит переход на уровень 1, но уровень не имеет "
                          "запрограммированных макросов"}));
}

TEST_F(CheckLayoutTest, LayersWithoutASwitchAndSwitchesWithoutData) {
  Add(2, 2, kFuncMacro).Layers[1].Macro[0] = "\x1C";
  EXPECT_EQ(Lines(2), std::vector<std::string>{
                          "[1] Уровень 1 содержит данные, но раскладка не имеет клавиши перехода "
                          "на этот уровень"});
  // A relative switch may reach any layer.
  Add(9, 9, kFuncLayerDown);
  EXPECT_TRUE(Lines(2).empty());
  // Only keys inside the area count, for reachability as well.
  EXPECT_EQ(Lines(2, TRect{1, 1, 5, 5}).size(), 1u);
  EXPECT_TRUE(Lines(2, TRect{6, 6, 9, 9}).empty());
}

TEST_F(CheckLayoutTest, LayerZeroNeverGivesALayerRemark) {
  Add(1, 1, kFuncGoToLayer0);
  EXPECT_TRUE(Lines(4).empty());
  EXPECT_TRUE(CheckLayout(TDocument(), kWholeField, 4).empty());
}

}  // namespace
}  // namespace vl::test
