#include "core/common/Placeholders.h"

namespace vl {

std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(format.size());
  auto next = values.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    const char conversion = i + 1 < format.size() && format[i] == '%' ? format[i + 1] : '\0';
    if (conversion == '%') {
      text += '%';
      ++i;
    } else if ((conversion == 'd' || conversion == 's') && next != values.end()) {
      text += *next++;
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}

}  // namespace vl
