#pragma once
// How a caller puts the core's named Russian texts into the language it shows.
// The core passes each constant (UTF-8) and uses what comes back; an empty
// translator keeps the Russian text.

#include <functional>
#include <string>
#include <vector>

namespace vl {

using TextTranslator = std::function<std::string(const char*)>;

inline std::string Translated(const TextTranslator& translate, const char* text) {
  return translate ? translate(text) : std::string(text);
}

// pattern with each "%1" ... "%9" replaced by that value; a marker without a value
// stays as it is. Patterns are the core's composed texts, translated before they
// are filled, so a translation may put the values in its own order.
inline std::string FilledText(const std::string& pattern, const std::vector<std::string>& values) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t index = i + 1 < pattern.size() && pattern[i] == '%' ? size_t(pattern[i + 1] - '1') : values.size();
    if (index < values.size()) {
      text += values[index];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

// A pattern translated, then filled.
inline std::string TranslatedText(const TextTranslator& translate, const char* pattern,
                                  const std::vector<std::string>& values) {
  return FilledText(Translated(translate, pattern), values);
}

}  // namespace vl
