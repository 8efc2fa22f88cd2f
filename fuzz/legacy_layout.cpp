// The body of an old-format layout file: the first input byte picks the keyboard
// type (1 to 7, so the key-type table is read), the rest follows the old header.

#include <cstddef>
#include <cstdint>
#include <string>

#include "LayoutFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string bytes;
  bytes.push_back(static_cast<char>(1 + data[0] % 7));
  bytes.push_back('\x51');  // version 1.5
  bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);
  vl::fuzz::LoadAndCheck(bytes);
  return 0;
}
