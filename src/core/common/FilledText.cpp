#include "core/common/FilledText.h"

namespace vl {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FilledText(std::string_view pattern, const std::vector<std::string>& values) {
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      text += pattern[i];
      continue;
    }
    if (pattern[i + 1] == '%') {
      text += '%';
      ++i;
      continue;
    }
    size_t digits = 0;
    size_t number = 0;
    while (digits < 2 && i + 1 + digits < pattern.size() && IsDigit(pattern[i + 1 + digits])) {
      number = number * 10 + static_cast<size_t>(pattern[i + 1 + digits] - '0');
      ++digits;
    }
    if (number >= 1 && number <= values.size()) {
      text += values[number - 1];
      i += digits;
    } else {
      text += '%';
    }
  }
  return text;
}

}  // namespace vl
