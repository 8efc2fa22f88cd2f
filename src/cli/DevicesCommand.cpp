// vlat-cli devices [TYPE]: the device catalogue. Without TYPE one line per type
// (type, model, field, memory, check kind); with TYPE the description the
// supported-devices window shows.

#include <iomanip>

#include "cli/CatalogueSupport.h"
#include "cli/CliContext.h"
#include "core/catalogue/DeviceDescription.h"
#include "core/text/Cp1251.h"

namespace vl::cli {
namespace {

void ListTypes(const DeviceCatalogue& catalogue, std::ostream& out, Json& result) {
  Json types = Json::Array();
  for (const uint16_t type : catalogue.Types()) {
    const auto [highestColumn, highestRow] = catalogue.Size(type);
    types.Push(Json::Object()
                   .Set("type", DeviceSectionName(type))
                   .Set("width", highestColumn + 1)
                   .Set("height", highestRow + 1)
                   .Set("memory", catalogue.Memory(type))
                   .Set("check", catalogue.UsesCrc(type) ? "CRC-8" : "CS")
                   .Set("about", Cp1251ToUtf8(catalogue.About(type))));
    const std::string field = std::to_string(highestColumn + 1) + "x" + std::to_string(highestRow + 1);
    out << DeviceSectionName(type) << "  " << std::left << std::setw(6) << field << std::right << std::setw(6)
        << catalogue.Memory(type) << " байт  " << std::left << std::setw(6)
        << (catalogue.UsesCrc(type) ? "CRC-8" : "CS") << Cp1251ToUtf8(catalogue.About(type)) << '\n';
  }
  result.Set("devices", types);
}

}  // namespace

int RunDevices(CliContext& context) {
  auto& args = context.args;
  if (args.size() > 1) throw UsageError{"at most one device type expected"};
  const std::optional<uint16_t> wanted =
      args.empty() ? std::nullopt : std::optional<uint16_t>(ParseDeviceType(args[0]));
  const auto catalogue = OpenCatalogue(context);
  if (!catalogue) return kExitFailure;
  if (!wanted) {
    ListTypes(*catalogue, *context.out, context.result);
    return kExitOk;
  }
  // The section as the file names it, however the type was written.
  for (const auto& section : catalogue->Ini().Sections()) {
    if (section.size() != 4 || ParseDeviceSectionName(section) != wanted) continue;
    Json lines = Json::Array();
    for (const auto& line : DescribeDevice(catalogue->Ini(), section)) {
      *context.out << line << '\n';
      lines.Push(line);
    }
    context.result.Set("type", section).Set("description", lines);
    return kExitOk;
  }
  *context.err << "Устройство " << DeviceSectionName(*wanted) << " не описано в каталоге.\n";
  return kExitFailure;
}

}  // namespace vl::cli
