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
  // Why Model or Decoding gives nothing for the type: which value or file is wrong
  // and how (a sentence in Russian for the message box).
  virtual std::string Problem(uint16_t deviceType) const = 0;
};

}  // namespace vl
