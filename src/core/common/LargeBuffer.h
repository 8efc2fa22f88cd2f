#pragma once
// Room for a text or file image of tens of megabytes, built once and then written.

#include <cstddef>
#include <string>
#include <vector>

namespace vl {

// Reserves capacity for bytes and, for a large buffer, asks the kernel to back it
// with huge pages: filling fresh memory 4 KiB at a time (a page fault each) costs
// more than writing the bytes. Only a hint; the buffer works the same without it.
void ReserveLarge(std::string& buffer, size_t bytes);
void ReserveLarge(std::vector<char>& buffer, size_t bytes);

}  // namespace vl
