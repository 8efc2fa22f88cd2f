#pragma once

#include <string>

namespace vl {

// Note and bookmark of one key; a key has one only while either string is non-empty.
struct TKeyNote {
  std::string KeyNote;  // at most 150 characters (code page 1251)
  std::string Mark;     // bookmark name, at most 50 characters

  bool IsEmpty() const { return KeyNote.empty() && Mark.empty(); }
  bool operator==(const TKeyNote&) const = default;
};

}  // namespace vl
