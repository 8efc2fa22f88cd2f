#include "core/formats/CheckLayout.h"

#include <algorithm>
#include <array>

namespace vl {

std::string CheckRemark::Line() const {
  std::string line = "[" + std::to_string(Number) + "] ";
  if (Column && Row) line += "(" + std::to_string(*Column) + ":" + std::to_string(*Row) + ") ";
  return line + Text;
}

std::vector<CheckRemark> CheckLayout(const TDocument& document, const TRect& area, int layerCount,
                                     const TextTranslator& translate) {
  std::vector<CheckRemark> remarks;
  auto add = [&](std::optional<int> column, std::optional<int> row, const char* pattern, const std::string& value) {
    remarks.push_back({static_cast<int>(remarks.size()) + 1, column, row, TranslatedText(translate, pattern, {value})});
  };
  std::array<bool, kLayerCount> reachable{true, false, false, false};
  std::array<bool, kLayerCount> holdsData{true, false, false, false};
  bool relativeSwitching = false;
  const auto loaded = static_cast<size_t>(layerCount);  // 1..4, as the callers check

  const int left = std::max(area.Left, 1), right = std::min(area.Right, kFieldSize);
  const int top = std::max(area.Top, 1), bottom = std::min(area.Bottom, kFieldSize);
  for (int column = left; column <= right; ++column) {
    for (int row = top; row <= bottom; ++row) {
      const TMacroButton* key = document.GetKey(column, row);
      if (!key) continue;
      std::string unloaded;
      for (size_t layer = loaded; layer < kLayerCount; ++layer) {
        if (key->Layers[layer].IsEmpty()) continue;
        if (!unloaded.empty()) unloaded += ", ";
        unloaded += std::to_string(layer);
      }
      if (!unloaded.empty()) {
        add(column, row, kUnloadedDataPattern, unloaded);
      }
      int target = -1;
      if (key->Func >= kFuncGoToLayer0 && key->Func < kFuncShiftToLayer0) {
        target = key->Func - kFuncGoToLayer0;
      } else if (key->Func >= kFuncShiftToLayer0 && key->Func < kFuncNone) {
        target = key->Func - kFuncShiftToLayer0;
      }
      if (target >= layerCount) {
        add(column, row, kUnloadedLinkPattern, std::to_string(target));
      }
      if (key->Func == kFuncLayerUp || key->Func == kFuncLayerDown) relativeSwitching = true;
      if (target >= 0) reachable[static_cast<size_t>(target)] = true;
      for (size_t layer = 0; layer < kLayerCount; ++layer) {
        if (!key->Layers[layer].IsEmpty()) holdsData[layer] = true;
      }
    }
  }
  for (size_t layer = 0; layer < loaded && layer < kLayerCount; ++layer) {
    const std::string number = std::to_string(layer);
    if (!reachable[layer] && holdsData[layer] && !relativeSwitching) {
      add(std::nullopt, std::nullopt, kUnreachableLayerPattern, number);
    }
    if (reachable[layer] && !holdsData[layer]) {
      add(std::nullopt, std::nullopt, kEmptyLayerPattern, number);
    }
  }
  return remarks;
}

}  // namespace vl
