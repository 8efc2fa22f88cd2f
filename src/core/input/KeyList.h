#pragma once
// The keys of a standard keyboard by name, for adding a make or a break code to
// a line without pressing the key.

#include <array>
#include <cstdint>
#include <string>

namespace vl {

struct ListedKey {
  const char* Name;  // UTF-8
  uint8_t Code;      // set-2 code
  bool Extended;     // sent with E0
};

inline constexpr int kListedKeyCount = 102;

// The 102 keys in the order the list shows them.
const std::array<ListedKey, kListedKeyCount>& StandardKeys();

// The make bytes of a key (E0 and the code, or the code).
std::string MakeBytes(const ListedKey& key);
// The break bytes of a key (E0 F0 and the code, or F0 and the code).
std::string BreakBytes(const ListedKey& key);

}  // namespace vl
