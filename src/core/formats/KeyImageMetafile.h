#pragma once
// The key image as an Enhanced Metafile: a grey border, then per key position its
// outline (black pen, white brush) and its labels at the key's top-left corner,
// clipped to the key.

#include <string>

#include "core/common/Reporter.h"
#include "core/formats/KeyImage.h"

namespace vl {

// Font of the labels: 12 points at the metafile's 0.1 mm units.
inline constexpr int kMetafileFontHeight = 42;
inline constexpr const char* kMetafileFontFace = "Arial";
// Corner ellipse of the rounded key form, in units.
inline constexpr int kRoundCorner = 20;

// The whole file; the geometry must be scaled for the metafile. Advances the
// reporter's progress position by position.
std::string BuildKeyImageMetafile(const KeyImageRequest& request, IReporter& reporter);

}  // namespace vl
