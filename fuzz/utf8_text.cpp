// UTF-8 from the desktop and the terminal on arbitrary bytes: the strict and the
// lossy conversion to code page 1251 must agree, and what is accepted must come
// back unchanged through the code page.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text/Cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto strict = vl::Utf8ToCp1251(text);
  const std::string lossy = vl::Utf8ToCp1251Lossy(text);
  if (lossy.size() > text.size()) __builtin_trap();
  if (strict) {
    if (*strict != lossy) __builtin_trap();
    if (vl::Cp1251ToUtf8(*strict) != text) __builtin_trap();
  }
  return 0;
}
