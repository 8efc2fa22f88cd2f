#pragma once
// A key image too large for one sheet, cut into sheets along the gaps between
// keys: every sheet is a smaller key image of the same geometry, so no key is
// ever split.

#include <vector>

#include "core/formats/KeyImage.h"

namespace vl {

// The sheets of the request for a printable area of width x height (in the
// request's units), row by row from the top-left: each holds as many whole
// columns and rows of keys, with the image's margins, as the area takes (at least
// one key, should a key be larger than the area). One sheet when all fit.
std::vector<KeyImageRequest> KeyImagePages(const KeyImageRequest& request, int width, int height);

}  // namespace vl
