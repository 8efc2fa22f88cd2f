#pragma once
// The core's texts in the language the windows speak. The core writes its messages
// in Russian and knows nothing of Qt; the whole messages it names as constants,
// marked with VL_TEXT("core", ...) where they are defined, are translated here
// under the context "core". A message built from pieces (a file name, a count)
// passes as it is.

#include <QString>
#include <string>

#include "core/common/TextTranslator.h"

namespace vl {

QString CoreText(const std::string& text);
// CoreText for the core functions that compose texts from named pieces.
TextTranslator CoreTranslator();

}  // namespace vl
