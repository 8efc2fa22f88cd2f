#include "cli/CatalogueSupport.h"

#include "core/catalogue/ProgramFile.h"
#include "core/common/FileErrors.h"

namespace vl::cli {

std::optional<DeviceCatalogue> OpenCatalogue(CliContext& context) {
  try {
    return DeviceCatalogue::Open(ProgramFilePath(context.dataDir, kCatalogueFileName).string());
  } catch (const FileReadError& error) {
    *context.err << error.what() << '\n';
    return std::nullopt;
  }
}

uint16_t ParseDeviceType(const std::string& text) {
  const auto type = ParseDeviceSectionName(text);
  if (!type) throw UsageError{"bad device type \"" + text + "\" (1 to 4 hexadecimal digits)"};
  return *type;
}

}  // namespace vl::cli
