#pragma once
// Documents and requests shared by the key image tests.

#include <memory>
#include <string>
#include <vector>

#include "core/document/VL2Document.h"
#include "core/formats/KeyImage.h"

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

// Short and long labels, names that must not be split, Cyrillic, a switch key and
// two layers on one key.
inline void FillSmallLayout(TVL2Document& document) {
  PutKey(document, 1, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x05, 0xF0, 0x05});  // [F1]
  TMacroButton& two = PutKey(document, 2, 1, kFuncMacro);
  two.Layers[0].Macro[0] = Bytes({0xE0, 0x14, 0x4D, 0xE0, 0xF0, 0x14});  // [RControl]p
  two.Layers[1].Macro[0] = Bytes({0x5A});                                // [Enter]
  PutKey(document, 3, 1, kFuncMacro).Layers[0].Macro[0] =
      Bytes({0x66, 0xE0, 0x14, 0xE0, 0x14, 0xE0, 0x14, 0xE0, 0x14});  // [BackSpace][RControl]...
  PutKey(document, 4, 1, kFuncMacro).Layers[0].Macro[0] = Bytes({0x1B, 0x1D});  // ыц
  PutKey(document, 1, 2, kFuncGoToLayer0 + 1);
  PutKey(document, 2, 3, kFuncShiftToLayer0 + 3);
}

}  // namespace vl::test
