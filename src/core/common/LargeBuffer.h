#pragma once
// Room for a text or file image of tens of megabytes, built once and then written.

#include <cstddef>

namespace vl {

// Asks the kernel to back a large buffer with huge pages: filling fresh memory
// 4 KiB at a time (a page fault each) costs more than writing the bytes. Only a
// hint; the buffer works the same without it.
void HintHugePages(const char* data, size_t capacity);

// Reserves capacity for bytes in a std::string or std::vector<char>, with the hint.
template <class Buffer>
void ReserveLarge(Buffer& buffer, size_t bytes) {
  buffer.reserve(bytes);
  HintHugePages(buffer.data(), buffer.capacity());
}

}  // namespace vl
