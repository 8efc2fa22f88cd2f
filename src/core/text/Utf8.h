#pragma once
// The one reading of UTF-8 every conversion and writer shares: a character is
// valid only in its shortest form, never a surrogate and never beyond U+10FFFF,
// so that no overlong form can smuggle a '/' or a NUL past a check.

#include <cstddef>
#include <optional>
#include <string_view>

namespace vl {

// Decodes the character at pos and moves pos past it; nullopt (pos unchanged) for
// a malformed, overlong, truncated or surrogate sequence.
std::optional<char32_t> NextUtf8CodePoint(std::string_view text, size_t& pos);

}  // namespace vl
