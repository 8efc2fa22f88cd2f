#pragma once
// The benchmarks' full field: 65 025 macro keys, every layer filled by the
// caller, in a document of the caller's type.

#include <memory>
#include <string>

#include "core/document/Document.h"

namespace bench {

// Ten keys pressed and released: longer than a string's inline buffer.
inline std::string TenKeyPresses() {
  std::string sequence;
  for (char key : std::string("\x1C\x1B\x23\x2B\x34\x33\x3B\x42\x4B\x15")) {
    sequence += std::string{key, '\xF0', key};
  }
  return sequence;
}

template <class Document, class FillLayer>
std::unique_ptr<Document> FullField(const FillLayer& fillLayer) {
  auto document = std::make_unique<Document>();
  for (int column = 1; column <= vl::kFieldSize; ++column) {
    for (int row = 1; row <= vl::kFieldSize; ++row) {
      auto key = std::make_unique<vl::TMacroButton>();
      key->Func = vl::kFuncMacro;
      for (vl::TMacros& layer : key->Layers) fillLayer(layer);
      document->SetKey(column, row, std::move(key));
    }
  }
  return document;
}

}  // namespace bench
