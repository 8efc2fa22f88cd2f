#pragma once
// Copying one layer of a block onto other layers of the same keys.

#include <array>

#include "core/document/VL2Document.h"

namespace vl {

// Chosen target layers, indexed 0..3.
using LayerChoice = std::array<bool, kLayerCount>;

// For every macro key of the block that has a record, copies layer L onto each
// chosen layer in ascending order and, with deleteFromSource, then clears layer L;
// a key left blank is freed. Keys without a record and switching keys are left
// alone. One history step "копирование на уровни". With L = 4 there is no single layer to copy and nothing happens.
// Sets Modified and notifies ContentChanged.
void CopyToLayers(TVL2Document& document, const TRect& block, int layer,
                  const LayerChoice& targets, bool deleteFromSource);

}  // namespace vl
