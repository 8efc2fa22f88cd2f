#pragma once
// What a device procedure reads of a layout, copied for a worker thread: the
// keys, the groups, the card reader and the track mask. The worker uses the copy
// while the layout stays with the editor, which may show and change it meanwhile.

#include <memory>

#include "core/document/VL2Document.h"

namespace vl {

std::unique_ptr<TVL2Document> CopyForDevice(const TVL2Document& document);

}  // namespace vl
