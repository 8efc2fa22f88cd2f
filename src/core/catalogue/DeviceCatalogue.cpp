#include "core/catalogue/DeviceCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/ProgramFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

// The texts were short strings in the catalogue's first readers.
constexpr size_t kMaxTextLength = 255;

}  // namespace

std::string DeviceSectionName(uint16_t deviceType) {
  char name[8];
  std::snprintf(name, sizeof name, "%04x", static_cast<unsigned>(deviceType));
  return name;
}

std::optional<uint16_t> ParseDeviceSectionName(const std::string& section) {
  if (section.empty() || section.size() > 4) return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(section.data(), section.data() + section.size(), value, 16);
  if (error != std::errc() || end != section.data() + section.size()) return std::nullopt;
  return static_cast<uint16_t>(value);
}

DeviceCatalogue DeviceCatalogue::Open(const std::string& path) { return DeviceCatalogue(IniFile::Load(path)); }

bool DeviceCatalogue::Has(uint16_t deviceType) const { return file_.HasSection(DeviceSectionName(deviceType)); }

std::vector<uint16_t> DeviceCatalogue::Types() const {
  std::vector<uint16_t> types;
  for (const auto& section : file_.Sections()) {
    // Only the four-digit form is ever looked up.
    const auto type = section.size() == 4 ? ParseDeviceSectionName(section) : std::nullopt;
    if (type && std::find(types.begin(), types.end(), *type) == types.end()) types.push_back(*type);
  }
  return types;
}

std::string DeviceCatalogue::About(uint16_t deviceType) const { return Value(deviceType, "About"); }
std::string DeviceCatalogue::Text(uint16_t deviceType) const { return Value(deviceType, "Text"); }
std::string DeviceCatalogue::File(uint16_t deviceType) const { return Value(deviceType, "File"); }
int DeviceCatalogue::Keys(uint16_t deviceType) const { return Integer(deviceType, "Keys"); }
int DeviceCatalogue::Memory(uint16_t deviceType) const { return Integer(deviceType, "Memory"); }
int DeviceCatalogue::Numeration(uint16_t deviceType) const { return Integer(deviceType, "Numeration"); }

std::pair<int, int> DeviceCatalogue::Size(uint16_t deviceType) const {
  return {Integer(deviceType, "Width") - 1, Integer(deviceType, "Height") - 1};
}

bool DeviceCatalogue::UsesCrc(uint16_t deviceType) const {
  return CheckKindFromCatalogue(file_.ReadString(DeviceSectionName(deviceType), "Check")) == CheckKind::Crc;
}

bool DeviceCatalogue::IsImage(uint16_t deviceType) const { return Integer(deviceType, "IsImage") != 0; }

ImageGeometry DeviceCatalogue::Geometry(uint16_t deviceType) const {
  return ImageGeometry{
      .KeyWidth = Integer(deviceType, "ImageKeyWidth"),
      .KeyHeight = Integer(deviceType, "ImageKeyHeight"),
      .HorKeySpace = Integer(deviceType, "ImageHorKeySpace"),
      .VerKeySpace = Integer(deviceType, "ImageVerKeySpace"),
      .TopSpace = Integer(deviceType, "ImageTopSpace"),
      .LeftSpace = Integer(deviceType, "ImageLeftSpace"),
  };
}

DeviceModel DeviceCatalogue::Model(uint16_t deviceType) const {
  const auto [highestColumn, highestRow] = Size(deviceType);
  return DeviceModel{
      .Width = highestColumn + 1,
      .Height = highestRow + 1,
      .Memory = Memory(deviceType),
      .Check = UsesCrc(deviceType) ? CheckKind::Crc : CheckKind::Sum,
      .Keys = Keys(deviceType),
      .Numeration = Numeration(deviceType),
      .About = Cp1251ToUtf8(About(deviceType)),
      .Text = Cp1251ToUtf8(Text(deviceType)),
  };
}

std::string DeviceCatalogue::Value(uint16_t deviceType, const char* key) const {
  std::string value = file_.ReadString(DeviceSectionName(deviceType), key);
  if (value.size() > kMaxTextLength) value.resize(kMaxTextLength);
  return value;
}

int DeviceCatalogue::Integer(uint16_t deviceType, const char* key) const {
  return file_.ReadInteger(DeviceSectionName(deviceType), key, 0);
}

FolderDeviceCatalogue::FolderDeviceCatalogue(std::string folder)
    : FolderDeviceCatalogue(folder, DeviceCatalogue::Open(ProgramFilePath(folder, kCatalogueFileName).string())) {}

FolderDeviceCatalogue::FolderDeviceCatalogue(std::string folder, DeviceCatalogue catalogue)
    : folder_(std::move(folder)), catalogue_(std::move(catalogue)) {}

std::optional<DeviceModel> FolderDeviceCatalogue::Model(uint16_t deviceType) const {
  if (!catalogue_.Has(deviceType)) return std::nullopt;
  return catalogue_.Model(deviceType);
}

std::optional<KeyPlacement> FolderDeviceCatalogue::Decoding(uint16_t deviceType) const {
  const auto [highestColumn, highestRow] = catalogue_.Size(deviceType);
  DecodingTable table;
  if (!table.Load(ProgramFilePath(folder_, catalogue_.File(deviceType)).string(), highestColumn, highestRow)) {
    return std::nullopt;
  }
  return table.Placement();
}

}  // namespace vl
