#include "core/text/Utf8.h"

#include <cstdint>

namespace vl {

std::optional<char32_t> NextUtf8CodePoint(std::string_view text, size_t& pos) {
  const auto lead = static_cast<uint8_t>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  size_t length = 0;
  char32_t lowest = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, lowest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (length > text.size() - pos) return std::nullopt;
  char32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = code << 6 | (next & 0x3F);
  }
  if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return std::nullopt;
  pos += length;
  return code;
}

}  // namespace vl
