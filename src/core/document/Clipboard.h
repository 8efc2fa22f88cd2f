#pragma once
// The program's key clipboard: the key records of the last copied block, shared by
// every layout document (it is not the system clipboard). There is one per
// program, but it is no global: the application owns the object and passes it to
// Copy, Cut and Paste of every document, and tests make their own.

#include <memory>
#include <vector>

#include "core/document/RecordOps.h"

namespace vl {

class Clipboard {
 public:
  static constexpr int kSize = 256;  // cells per side, offsets 0..255

  Clipboard() : cells_(static_cast<size_t>(kSize) * kSize) {}
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  // Nothing copied yet.
  bool IsEmpty() const { return width_ == 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The layer argument (0..4) of the copy.
  int Layer() const { return layer_; }

  // The owned record at the offset from the copied block's top-left cell, empty
  // for a key that had nothing. Offsets 0..255; only those inside Width x Height
  // belong to the current copy.
  KeyRef& Cell(int columnOffset, int rowOffset) {
    return cells_[static_cast<size_t>(columnOffset) * kSize + static_cast<size_t>(rowOffset)];
  }
  const KeyRef& Cell(int columnOffset, int rowOffset) const {
    return cells_[static_cast<size_t>(columnOffset) * kSize + static_cast<size_t>(rowOffset)];
  }

  // Records the extent and layer of a copy whose cells have been filled.
  void SetExtent(int width, int height, int layer) {
    width_ = width;
    height_ = height;
    layer_ = layer;
  }

 private:
  std::vector<KeyRef> cells_;
  int width_ = 0;
  int height_ = 0;
  int layer_ = 0;
};

}  // namespace vl
