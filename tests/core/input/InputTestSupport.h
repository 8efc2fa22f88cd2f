#pragma once
// Shared by the key programming tests.

#include <initializer_list>
#include <string>

namespace vl::testing {

// A byte string from byte values.
inline std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

}  // namespace vl::testing
