#include "core/common/LargeBuffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace vl {
namespace {

constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
// Below this the allocator's heap serves the buffer and a hint would touch its neighbours.
constexpr size_t kWorthAHint = size_t{8} << 20;

}  // namespace

// Only whole huge pages inside the buffer: the hint never reaches memory it does not own.
void HintHugePages(const char* data, size_t capacity) {
  if (capacity < kWorthAHint) return;
  const auto begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
  const auto end = (reinterpret_cast<uintptr_t>(data) + capacity) & ~(kHugePage - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace vl
