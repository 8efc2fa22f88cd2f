#pragma once
// Documents and requests shared by the key image tests.

#include <memory>
#include <string>
#include <vector>

#include "core/document/VL2Document.h"
#include "core/mtf/KeyImage.h"

namespace vl::test {

// The 4 x 3 device: keys 18 x 18 mm, 2 mm apart, 5 mm margins.
inline KeyImageGeometry SmallDeviceGeometry() { return {1800, 1800, 200, 200, 500, 500}; }

inline KeyImageRequest SmallDeviceRequest(const TVL2Document& document, KeyImageFormat format,
                                          int left = 1, int top = 1) {
  KeyImageRequest request;
  request.Document = &document;
  request.Columns = 4;
  request.Rows = 3;
  request.Selection = ImageSelection(left, top, request.Columns, request.Rows);
  request.Geometry = ScaleGeometry(SmallDeviceGeometry(), ScaleFactor(format));
  return request;
}

inline TMacroButton& PutKey(TVL2Document& document, int column, int row, uint8_t func) {
  auto key = std::make_unique<TMacroButton>();
  key->Func = func;
  TMacroButton& ref = *key;
  document.SetKey(column, row, std::move(key));
  return ref;
}

inline std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

inline size_t CountOf(const std::string& haystack, const std::string& needle) {
  size_t count = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + needle.size())) {
    ++count;
  }
  return count;
}

}  // namespace vl::test
