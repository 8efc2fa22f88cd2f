#include "core/formats/KeyImagePages.h"

#include <algorithm>

namespace vl {

namespace {

// Keys of the given pitch that fit the length with a margin on each side.
int KeysThatFit(int length, int key, int gap, int margin) {
  const int pitch = key + gap;
  if (pitch <= 0) return 1 << 16;
  return std::max(1, (length - 2 * margin + gap) / pitch);
}

}  // namespace

std::vector<KeyImageRequest> KeyImagePages(const KeyImageRequest& request, int width, int height) {
  const auto& g = request.Geometry;
  const int across = KeysThatFit(width, g.KeyWidth, g.HorSpace, g.LeftSpace);
  const int down = KeysThatFit(height, g.KeyHeight, g.VerSpace, g.TopSpace);
  std::vector<KeyImageRequest> pages;
  for (int row = 0; row < request.Rows; row += down) {
    for (int column = 0; column < request.Columns; column += across) {
      KeyImageRequest page = request;
      page.Columns = std::min(across, request.Columns - column);
      page.Rows = std::min(down, request.Rows - row);
      // The sheet's positions are the image's positions from (column, row) on;
      // those beyond the field's edge stay outlines only.
      page.Selection = ImageSelection(request.Selection.Left + column, request.Selection.Top + row,
                                      page.Columns, page.Rows);
      pages.push_back(page);
    }
  }
  return pages;
}

}  // namespace vl
