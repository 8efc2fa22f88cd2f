#include "core/catalogue/DeviceModel.h"

namespace vl {

CheckKind CheckKindFromCatalogue(const std::string& check) {
  return check == "CS" ? CheckKind::Sum : CheckKind::Crc;
}

}  // namespace vl
