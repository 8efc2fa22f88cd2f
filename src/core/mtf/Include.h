#pragma once
// TInclude: one open file of the Macro Text Format reader. Level 1 is the main
// text, whose characters the caller passes in; deeper levels stream an included
// file through its source and are read to their end before the including file
// continues. A level holds one chunk of its file, never the whole file, so deep
// nesting of large files costs little memory.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

// The bytes of one file, chunk by chunk.
class IIncludeSource {
 public:
  virtual ~IIncludeSource() = default;
  // The next bytes, valid until the next call; empty at the end of the file,
  // nullopt when reading failed.
  virtual std::optional<std::string_view> NextChunk() = 0;
};

// A text already in memory, given as one chunk (the caller keeps it alive).
class TextIncludeSource final : public IIncludeSource {
 public:
  explicit TextIncludeSource(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> NextChunk() override {
    const std::string_view chunk = rest_;
    rest_ = {};
    return chunk;
  }

 private:
  std::string_view rest_;
};

struct TInclude {
  std::unique_ptr<IIncludeSource> Source;  // an included file (none for level 1)
  std::string_view Chunk;                  // the part of the file read last
  size_t Position = 0;                     // next byte of Chunk to read
  std::string FileName;  // upper-cased, code page 1251; compared to detect cycles
  // Wider than the original 16 bits: an exported full field has far more than
  // 65 535 lines, and an error position must not wrap.
  uint32_t Column = 0;
  uint32_t Line = 0;     // line feeds read so far
};

}  // namespace vl
