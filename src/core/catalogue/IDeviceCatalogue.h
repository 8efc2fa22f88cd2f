#pragma once
// Where the device procedures ask the catalogue; the program folder's catalogue
// and tests implement it.

#include <cstdint>
#include <optional>
#include <string>

#include "core/catalogue/DeviceModel.h"
#include "core/catalogue/KeyPlacement.h"

namespace vl {

class IDeviceCatalogue {
 public:
  virtual ~IDeviceCatalogue() = default;
  virtual std::optional<DeviceModel> Model(uint16_t deviceType) const = 0;
  // The type's decoding table; nullopt when its file cannot be read.
  virtual std::optional<KeyPlacement> Decoding(uint16_t deviceType) const = 0;
  // The folder the decoding files are read from (for the error message).
  virtual std::string ProgramFolder() const = 0;
};

}  // namespace vl
