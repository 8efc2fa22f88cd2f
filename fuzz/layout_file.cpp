// A layout file of the current format, whole: the reader must end with a document
// or a typed error, never read past the bytes, crash or hang. A password record
// of "fuzz" opens the scrambled body (see the corpus).

#include <cstddef>
#include <cstdint>

#include "LayoutFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::LoadAndCheck(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
