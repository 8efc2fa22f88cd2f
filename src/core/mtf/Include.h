#pragma once
// TInclude: one open file of the Macro Text Format reader. Level 1 is the main
// text, whose characters the caller passes in; deeper levels hold the bytes of an
// included file and are read to their end before the including file continues.

#include <cstdint>
#include <string>

namespace vl {

struct TInclude {
  std::string Text;      // an included file's bytes (unused for level 1)
  size_t Position = 0;   // next byte of Text to read
  std::string FileName;  // upper-cased, code page 1251; compared to detect cycles
  // Wider than the original 16 bits: an exported full field has far more than
  // 65 535 lines, and an error position must not wrap.
  uint32_t Column = 0;
  uint32_t Line = 0;     // line feeds read so far
};

}  // namespace vl
