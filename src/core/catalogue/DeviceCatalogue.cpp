#include "core/catalogue/DeviceCatalogue.h"

#include <charconv>
#include <cstdio>

#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/ProgramFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

// The texts were short strings in the catalogue's first readers.
constexpr size_t kMaxTextLength = 255;

// What the device's memory and the 16-bit header address allow.
constexpr int kMinMemory = 64;
constexpr int kMaxMemory = 0x10000;
// The layout image counts the device's keys in one byte.
constexpr int kMaxDeviceKeys = 255;
constexpr int kMaxGeometry = 100000;
constexpr const char* kGeometryKeys[] = {"ImageKeyWidth",    "ImageKeyHeight", "ImageHorKeySpace",
                                         "ImageVerKeySpace", "ImageTopSpace",  "ImageLeftSpace"};

int Highest(int count) { return count > 0 ? count - 1 : -1; }

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
  std::vector<bool> listed(0x10000, false);
  for (const auto& section : file_.Sections()) {
    // Only the four-digit form is ever looked up.
    const auto type = section.size() == 4 ? ParseDeviceSectionName(section) : std::nullopt;
    if (type && !listed[*type]) {
      listed[*type] = true;
      types.push_back(*type);
    }
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
  return {Highest(Integer(deviceType, "Width")), Highest(Integer(deviceType, "Height"))};
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

std::string DeviceCatalogue::ModelProblem(uint16_t deviceType) const {
  const std::string device = "Устройство " + DeviceSectionName(deviceType);
  if (!Has(deviceType)) return device + " не описано в каталоге " + kCatalogueFileName + ".";
  const int width = Integer(deviceType, "Width");
  const int height = Integer(deviceType, "Height");
  std::string fault = OutOfRange(deviceType, "Width", 1, kDecodingColumns, "число столбцов клавиш");
  if (fault.empty()) fault = OutOfRange(deviceType, "Height", 1, kDecodingRows, "число рядов клавиш");
  if (fault.empty() && width * height > kMaxDeviceKeys) {
    fault = "поле " + std::to_string(width) + "x" + std::to_string(height) + " — " + std::to_string(width * height) +
            " клавиш, а раскладка в памяти устройства описывает не более " + std::to_string(kMaxDeviceKeys);
  }
  if (fault.empty()) fault = OutOfRange(deviceType, "Memory", kMinMemory, kMaxMemory, "число байт памяти");
  if (fault.empty()) fault = OutOfRange(deviceType, "Keys", 1, width * height, "число клавиш (не больше Width x Height)");
  if (fault.empty()) return {};
  return device + " в каталоге " + kCatalogueFileName + ": " + fault + ".";
}

std::string DeviceCatalogue::GeometryValueOutOfRange(uint16_t deviceType) const {
  for (const char* key : kGeometryKeys) {
    const int value = Integer(deviceType, key);
    if (value < 0 || value > kMaxGeometry) return std::string(key) + "=" + file_.ReadString(DeviceSectionName(deviceType), key);
  }
  return {};
}

std::string DeviceCatalogue::OutOfRange(uint16_t deviceType, const char* key, int min, int max,
                                        const std::string& meaning) const {
  const int value = Integer(deviceType, key);
  if (value >= min && value <= max) return {};
  return std::string(key) + "=" + file_.ReadString(DeviceSectionName(deviceType), key) + ", а " + meaning +
         " должно быть от " + std::to_string(min) + " до " + std::to_string(max);
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
  if (!catalogue_.ModelProblem(deviceType).empty()) return std::nullopt;
  return catalogue_.Model(deviceType);
}

std::optional<KeyPlacement> FolderDeviceCatalogue::Decoding(uint16_t deviceType) const {
  std::string problem;
  return LoadDecoding(deviceType, problem);
}

std::string FolderDeviceCatalogue::Problem(uint16_t deviceType) const {
  if (std::string problem = catalogue_.ModelProblem(deviceType); !problem.empty()) return problem;
  std::string problem;
  LoadDecoding(deviceType, problem);
  return problem;
}

std::optional<KeyPlacement> FolderDeviceCatalogue::LoadDecoding(uint16_t deviceType, std::string& problem) const {
  const auto [highestColumn, highestRow] = catalogue_.Size(deviceType);
  const std::string file = catalogue_.File(deviceType);
  const std::string device = "устройства " + DeviceSectionName(deviceType);
  if (!StaysInProgramFolder(file)) {
    problem = "Файл декодирующей таблицы " + device + " «" + Cp1251ToUtf8(file) + "» (File в " + kCatalogueFileName +
              ") лежит вне папки программы " + folder_ + ".";
    return std::nullopt;
  }
  const std::string path = ProgramFilePath(folder_, file).string();
  DecodingTable table;
  const bool loaded = table.Load(path, highestColumn, highestRow);
  const std::string fault = loaded ? table.PlacementProblem(highestColumn, highestRow) : table.Problem();
  if (!fault.empty()) {
    problem = "Ошибка чтения файла декодирующей таблицы " + device + " " + path + ": " + fault + ".";
    return std::nullopt;
  }
  return table.Placement();
}

}  // namespace vl
