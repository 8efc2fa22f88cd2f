#pragma once
// How a caller puts the core's named Russian texts into the language it shows.
// The core passes each constant (UTF-8) and uses what comes back; an empty
// translator keeps the Russian text.

#include <functional>
#include <string>
#include <vector>

#include "core/common/FilledText.h"

namespace vl {

using TextTranslator = std::function<std::string(const char*)>;

inline std::string Translated(const TextTranslator& translate, const char* text) {
  return translate ? translate(text) : std::string(text);
}

// A pattern translated, then filled.
inline std::string TranslatedText(const TextTranslator& translate, const char* pattern,
                                  const std::vector<std::string>& values) {
  return FilledText(Translated(translate, pattern), values);
}

}  // namespace vl
