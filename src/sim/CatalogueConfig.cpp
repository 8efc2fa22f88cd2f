#include "sim/CatalogueConfig.h"

#include <stdexcept>

namespace vl::sim {

SimConfig CatalogueConfig(const DeviceCatalogue& catalogue, uint16_t deviceType, SimConfig base) {
  const std::string section = DeviceSectionName(deviceType);
  if (!catalogue.Has(deviceType)) throw std::invalid_argument("device type " + section + " is not in the catalogue");
  const int memory = catalogue.Memory(deviceType);
  if (memory < 64 || memory > 0x10000)
    throw std::invalid_argument("device type " + section + ": memory must be 64..65536 bytes");
  base.identity.DeviceType = deviceType;
  base.memorySize = static_cast<uint32_t>(memory);
  const auto [lastColumn, lastRow] = catalogue.Size(deviceType);
  base.keyColumns = lastColumn + 1;
  base.keyRows = lastRow + 1;
  base.check = catalogue.UsesCrc(deviceType) ? CheckKind::Crc : CheckKind::Sum;
  return base;
}

}  // namespace vl::sim
