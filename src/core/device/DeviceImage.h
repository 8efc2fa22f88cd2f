#pragma once
// The device data image: the compact byte form in which a layout lives in the
// keyboard's memory from address 0 up, closed by a CRC-8. Built for a download,
// read back after an upload. Notes, bookmarks and groups are not in it; groups are
// resolved while building.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/catalogue/KeyPlacement.h"
#include "core/document/Field.h"
#include "core/document/MacroButton.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// The image counts its length in 16 bits.
inline constexpr size_t kMaxImageSize = 65535;

// What the builder needs to know of the attached device.
struct ImageDevice {
  uint16_t Serial = 0;
  int Width = 0;   // device columns
  int Height = 0;  // device rows; Width x Height is at most 255
  bool Crc = true; // CRC-8 check kind (false: the folded sum)
  uint8_t ControllerMajor = 0;
  uint8_t ControllerMinor = 0;
};

// Builds the image of the fragment whose top-left cell is the selection's, for
// the device, with "layer count", "correct lock" and "group download mode" from
// the settings; the CRC-8 is the last byte. The document is not changed. nullopt
// when the image would be longer than kMaxImageSize, or the device has more keys
// than the image can count (255): no device could hold it.
std::optional<std::vector<uint8_t>> BuildDeviceImage(const TVL2Document& document,
                                                     const SettingsStore& settings,
                                                     const ImageDevice& device,
                                                     const TRect& selection,
                                                     const KeyPlacement& placement);

// Receives what the reader finds: one record per device key, then the card reader.
class IUploadSink {
 public:
  virtual ~IUploadSink() = default;
  virtual void StoreKey(GridOffset offset, const TMacroButton& record) = 0;
  virtual void StoreCardReader(const TMacroButton& record, uint8_t trackMask) = 0;
};

struct ImageReadOptions {
  int Width = 0;
  int Height = 0;
  bool ClickQuirk = false;  // the device was programmed by version 1.4: Click 7 reads as 6
  bool WithCard = false;    // "is upload in card": read the tracks and the track mask
};

// Reads the image (its CRC already removed) and hands every device key, and the
// card reader when asked, to the sink. Bytes beyond the image read as 0 and make
// the result false, but every key is still processed and handed over.
bool ReadDeviceImage(std::span<const uint8_t> image, const ImageReadOptions& options,
                     const KeyPlacement& placement, IUploadSink& sink);

// Everything an image holds, as the keyboard sees it: the keys by key number
// k = x * height + y, the card reader and the track mask.
struct ImageRecords {
  std::vector<TMacroButton> keys;
  TMacroButton card;
  uint8_t trackMask = 0;  // bit t - 1: track t answers
};

// Reads the whole image (with the card reader when the options ask) into records
// sized for the options' device; the result as ReadDeviceImage's.
bool ReadImageRecords(std::span<const uint8_t> image, const ImageReadOptions& options, ImageRecords& records);

}  // namespace vl
