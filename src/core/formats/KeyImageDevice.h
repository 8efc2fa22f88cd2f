#pragma once
// The key image of a catalogue device: the checks the image command makes on the
// chosen type and the drawing job built from its catalogue entry.

#include <cstdint>
#include <optional>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/common/Prompt.h"
#include "core/formats/KeyImage.h"

namespace vl {

// The request for the device type with its field of keys starting at (left, top),
// its geometry scaled for the format. A type that needs no image, whose field is
// narrower or lower than 2 keys or larger than the layout field, or whose geometry
// is out of range, is refused with a message through the prompt, and nothing is
// returned.
std::optional<KeyImageRequest> DeviceImageRequest(const DeviceCatalogue& catalogue, uint16_t deviceType,
                                                  const TVL2Document& document, int left, int top,
                                                  KeyImageFormat format, const KeyImageOptions& options,
                                                  IPrompt& prompt);

}  // namespace vl
