#pragma once
// What differs between a layout and the one the keyboard holds, key by key and
// layer by layer, as the keyboard sees them: both are turned into device images
// and read back, so groups, layer-switching keys and the layer count count as a
// download makes them count, and nothing the image does not carry (notes) does.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/device/DeviceImage.h"
#include "core/document/Field.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsStore.h"

namespace vl {

enum DifferenceKind : uint8_t {
  kDiffPress = 1,
  kDiffRelease = 2,
  kDiffAutoRepeat = 4,
  kDiffClick = 8,
  kDiffFunction = 16,
};

inline constexpr int kWholeKey = -1;

struct KeyDifference {
  int X = 0;  // device position
  int Y = 0;
  int Column = 0;  // layout grid cell
  int Row = 0;
  int Layer = kWholeKey;  // kWholeKey for a different function
  uint8_t What = 0;       // DifferenceKind bits
  bool operator==(const KeyDifference&) const = default;
};

// Compares the fragment of layout at selection (the keys a download would write,
// with the settings' layer count and group mode) with keyboard, the layout read
// out of the device into the same fragment (all four layers). Keys in device
// order; a key whose function differs is listed once, as kWholeKey. nullopt when
// either image cannot be built (more keys or bytes than an image holds).
std::optional<std::vector<KeyDifference>> CompareLayouts(const TVL2Document& layout, const TVL2Document& keyboard,
                                                         const SettingsStore& settings, const ImageDevice& device,
                                                         const TRect& selection, const KeyPlacement& placement);

// The names of the DifferenceKind bits set in what, in a fixed order.
std::vector<std::string> DifferenceNames(uint8_t what);

// "столбец 3, строка 2 (клавиша устройства 1,0) слой 1: нажатие, автоповтор"; the
// layer is left out for a function difference.
std::string DifferenceLine(const KeyDifference& difference);

}  // namespace vl
