#pragma once
// What differs between a layout and the one the keyboard holds, key by key and
// layer by layer, as the keyboard sees them: both are turned into device images
// and read back, so groups, layer-switching keys and the layer count count as a
// download makes them count, and nothing the image does not carry (notes) does.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"
#include "core/device/DeviceImage.h"
#include "core/device/OperationDriver.h"
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
inline constexpr int kNoDeviceKey = -1;  // two files compared: no device position

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

enum TrackDifferenceKind : uint8_t {
  kTrackHeader = 1,
  kTrackTerminator = 2,
  kTrackFlags = 4,    // the start/stop symbols and LRC flags
  kTrackEnabled = 8,  // read or not (the track mask)
};

struct TrackDifference {
  int Track = 1;  // 1 to 4
  uint8_t What = 0;  // TrackDifferenceKind bits
  bool operator==(const TrackDifference&) const = default;
};

// The card reader as CompareLayouts compares the keys: both sides as a download
// to this device writes them, so a track a controller below 1.7 gets as filler
// equals an empty one. Tracks in order; nullopt when either image cannot be built.
std::optional<std::vector<TrackDifference>> CompareCardReaders(const TVL2Document& layout,
                                                               const TVL2Document& keyboard,
                                                               const SettingsStore& settings,
                                                               const ImageDevice& device, const TRect& selection,
                                                               const KeyPlacement& placement);

struct KeyboardComparison {
  std::vector<KeyDifference> keys;
  std::vector<TrackDifference> tracks;
};

// layout against keyboard, the layout ReadKeyboardLayout read into prepared's
// fragment: keys, and the card reader when withCard. nullopt when layout does not
// fit the device, which a download tells as kImageTooLarge.
std::optional<KeyboardComparison> CompareWithKeyboard(const TVL2Document& layout, const TVL2Document& keyboard,
                                                      const SettingsStore& settings,
                                                      const PreparedOperation& prepared, bool withCard);

// Two layouts as their files hold them, cell by cell over the whole field (X and
// Y kNoDeviceKey), and their card readers track by track.
std::vector<KeyDifference> CompareLayoutFiles(const TVL2Document& a, const TVL2Document& b);
std::vector<TrackDifference> CompareLayoutFileCards(const TVL2Document& a, const TVL2Document& b);

// The names of the differences, each a whole word or phrase.
inline constexpr const char* kTrackEnabledName = VL_TEXT("core", "включение");
inline constexpr const char* kTrackHeaderName = VL_TEXT("core", "заголовок");
inline constexpr const char* kTrackTerminatorName = VL_TEXT("core", "разделитель");
inline constexpr const char* kTrackFlagsName = VL_TEXT("core", "старт-стоп символы и LRC");
inline constexpr const char* kDiffFunctionName = VL_TEXT("core", "функция");
inline constexpr const char* kDiffPressName = VL_TEXT("core", "нажатие");
inline constexpr const char* kDiffReleaseName = VL_TEXT("core", "отпускание");
inline constexpr const char* kDiffAutoRepeatName = VL_TEXT("core", "автоповтор");
inline constexpr const char* kDiffClickName = VL_TEXT("core", "щелчок");
// A key's place: column and row, then the device key when there is one.
inline constexpr const char* kCellPlacePattern = VL_TEXT("core", "столбец %1, строка %2");
inline constexpr const char* kDeviceKeyPattern = VL_TEXT("core", " (клавиша устройства %1,%2)");

// "дорожка 2: заголовок, включение".
std::string TrackDifferenceLine(const TrackDifference& difference);
// The names of the TrackDifferenceKind bits set in what.
std::vector<std::string> TrackDifferenceNames(uint8_t what);

// The names of the DifferenceKind bits set in what, in a fixed order.
std::vector<std::string> DifferenceNames(uint8_t what);

// "столбец 3, строка 2 (клавиша устройства 1,0)", the device key left out without one.
std::string DifferencePlace(const KeyDifference& difference, const TextTranslator& translate = {});

// "столбец 3, строка 2 (клавиша устройства 1,0) слой 1: нажатие, автоповтор"; the
// layer is left out for a function difference, the device key without one.
std::string DifferenceLine(const KeyDifference& difference);

}  // namespace vl
