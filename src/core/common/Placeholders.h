#pragma once
// Filling a message's "%d" and "%s" places without printf: the messages may come
// from a translation, and a stray conversion there must not reach a formatter
// that would read arguments nobody passed.

#include <initializer_list>
#include <string>
#include <string_view>

namespace vl {

// The format with each "%d" or "%s" replaced by the next value, in order, and
// "%%" by "%". Any other '%' stays as written, and so does a place beyond the
// values given.
std::string FillPlaceholders(std::string_view format, std::initializer_list<std::string_view> values);

}  // namespace vl
