#pragma once
// A number with one decimal place as the user reads it: the Russian pattern
// "%1,%2" passes through the translator, whose language puts its own decimal sign
// ("1.6" in English).

#include <string>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kDecimalPattern = VL_TEXT("core", "%1,%2");

inline std::string DecimalText(int whole, int tenth, const TextTranslator& translate = {}) {
  return TranslatedText(translate, kDecimalPattern, {std::to_string(whole), std::to_string(tenth)});
}

}  // namespace vl
