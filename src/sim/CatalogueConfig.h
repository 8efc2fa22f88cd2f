#pragma once
// The simulated keyboard of a catalogued device type: memory size, check kind and
// key field as the catalogue gives them, so the simulator and the program agree on
// the header address, the check bytes and the key numbers.

#include <cstdint>

#include "core/catalogue/DeviceCatalogue.h"
#include "sim/SimulatedPort.h"

namespace vl::sim {

// base with the type, its memory size, its check kind and its key field. Throws
// std::invalid_argument when the catalogue has no section for the type or its
// memory is not 64..65536 bytes.
SimConfig CatalogueConfig(const DeviceCatalogue& catalogue, uint16_t deviceType, SimConfig base = {});

}  // namespace vl::sim
