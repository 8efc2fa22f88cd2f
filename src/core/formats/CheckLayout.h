#pragma once
// The layout check: layer problems that make a layout behave differently in the
// keyboard than on screen (data on layers that are not loaded, switches to such
// layers, layers with data that no key reaches, layers reached that hold nothing).

#include <optional>
#include <string>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/document/Document.h"
#include "core/document/Field.h"

namespace vl {

// The remarks' patterns: %1 the layers or the layer.
inline constexpr const char* kUnloadedDataPattern = VL_TEXT("core", "Содержится информация в незагружаемых уровнях (%1)");
inline constexpr const char* kUnloadedLinkPattern = VL_TEXT("core", "Ссылка на незагружаемые уровни (%1)");
inline constexpr const char* kUnreachableLayerPattern =
    VL_TEXT("core", "Уровень %1 содержит данные, но раскладка не имеет клавиши перехода на этот уровень");
inline constexpr const char* kEmptyLayerPattern =
    VL_TEXT("core", "Раскладка содержит переход на уровень %1, но уровень не имеет запрограммированных макросов");

// One remark; remarks are numbered from 1 in the order found.
struct CheckRemark {
  int Number = 0;
  std::optional<int> Column;  // set for remarks about one key
  std::optional<int> Row;
  std::string Text;           // the remark without its number and position (UTF-8)

  // The list line: "[N] (C:R) text" or "[N] text".
  std::string Line() const;
};

// Checks the keys inside the area (whole field: {1, 1, 255, 255}) against the
// layer count 1..4. Only keys inside the area count, for reachability as well.
// The remark counter is not limited to 16 bits: a full field can have more. The
// remarks' texts come in the translator's language.
std::vector<CheckRemark> CheckLayout(const TDocument& document, const TRect& area, int layerCount,
                                     const TextTranslator& translate = {});

}  // namespace vl
