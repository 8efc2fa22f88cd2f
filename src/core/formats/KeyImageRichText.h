#pragma once
// The key image as a Rich Text document (code page 1251) for word processors: an
// A4 landscape page on which every key outline and every label is a drawing shape
// that can be edited there.

#include <string>
#include <string_view>

#include "core/common/Reporter.h"
#include "core/formats/KeyImage.h"

namespace vl {

// The whole file; the geometry must be scaled for Rich Text (twips). Advances the
// reporter's progress position by position.
std::string BuildKeyImageRichText(const KeyImageRequest& request, IReporter& reporter);

// A label (UTF-8) as Rich Text runs: Latin runs in \lang1033, Cyrillic runs in
// font 17, closed by a paragraph; empty for an empty label. Quotes, apostrophes,
// backslashes and braces are escaped, Cyrillic letters written as \'XX.
std::string RichTextLabel(std::string_view utf8);

}  // namespace vl
