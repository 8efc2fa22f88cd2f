#pragma once
// Key function codes (TMacroButton::Func) and their two vocabularies of the editor:
// the key function window's captions and the key image's labels.

#include <cstdint>

#include "core/common/TranslatableText.h"

namespace vl {

enum KeyFunc : uint8_t {
  kFuncMacro = 0,
  kFuncLayerUp = 1,
  kFuncLayerDown = 2,
  kFuncGoToLayer0 = 3,    // 3..6: go to layer 0..3
  kFuncShiftToLayer0 = 7, // 7..10: temporarily go to layer 0..3
  kFuncNone = 11,         // no function assigned
};

inline constexpr uint8_t kMaxFunc = 11;

inline constexpr bool IsLayerSwitch(uint8_t func) { return func >= 1 && func <= 10; }

// Captions of the key function window, indexed by code 0..10 (UTF-8).
inline constexpr const char* kFuncCaptions[11] = {
    VL_TEXT("core", "Макрос"),
    VL_TEXT("core", "Переход на уровень вверх"),
    VL_TEXT("core", "Переход на уровень вниз"),
    VL_TEXT("core", "Переход на 0 уровень"),
    VL_TEXT("core", "Переход на 1 уровень"),
    VL_TEXT("core", "Переход на 2 уровень"),
    VL_TEXT("core", "Переход на 3 уровень"),
    VL_TEXT("core", "Временный переход на 0 уровень"),
    VL_TEXT("core", "Временный переход на 1 уровень"),
    VL_TEXT("core", "Временный переход на 2 уровень"),
    VL_TEXT("core", "Временный переход на 3 уровень"),
};

// Labels of layer-switching keys in the key image, indexed by code 0..10.
inline constexpr const char* kFuncLabels[11] = {
    "MACROS",           "INC.LAYER",        "DEC.LAYER",        "UP TO LAYER 0",
    "UP TO LAYER 1",    "UP TO LAYER 2",    "UP TO LAYER 3",    "SHIFT TO LAYER 0",
    "SHIFT TO LAYER 1", "SHIFT TO LAYER 2", "SHIFT TO LAYER 3",
};

}  // namespace vl
