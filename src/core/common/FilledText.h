#pragma once
// The one way a text gets its values, in the grammar of the translations: "%1" to
// "%99" stand for the values, "%%" for one '%'. Texts may come from a translation,
// which may put the values in its own order; a marker without a value stays as
// written, and a value is never read again for markers, so a '%' in a file name or
// a key label stays what it is.

#include <string>
#include <string_view>
#include <vector>

namespace vl {

// The marker number is one digit, or two when a second digit follows, as Qt reads
// it; "%0" and a number beyond the values are kept.
std::string FilledText(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace vl
