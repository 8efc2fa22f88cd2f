#pragma once
// Where the device key at position (x, y) lies in the layout field, as an offset
// from the top-left cell of the downloaded or uploaded fragment: what a decoding
// table gives the device procedures.

#include <functional>

namespace vl {

struct GridOffset {
  int Dx = 0;
  int Dy = 0;
};
using KeyPlacement = std::function<GridOffset(int x, int y)>;

}  // namespace vl
