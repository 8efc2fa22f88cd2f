#pragma once
// The device catalogue DEVICES.TYP: one section per device type, named after the
// 16-bit type identifier as four lower-case hexadecimal digits. A type without a
// section reads every default (size -1, -1; memory 0; CRC-8; no image).

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/catalogue/IniFile.h"
#include "core/catalogue/IDeviceCatalogue.h"

namespace vl {

inline constexpr const char* kCatalogueFileName = "DEVICES.TYP";

// Key-cap geometry in hundredths of a millimetre, in the catalogue's stated order.
struct ImageGeometry {
  int KeyWidth = 0;
  int KeyHeight = 0;
  int HorKeySpace = 0;
  int VerKeySpace = 0;
  int TopSpace = 0;
  int LeftSpace = 0;
  bool operator==(const ImageGeometry&) const = default;
};

// "%0.4x" of the type identifier: the section name.
std::string DeviceSectionName(uint16_t deviceType);
// A section name read back as a type identifier; nullopt unless 1..4 hex digits.
std::optional<uint16_t> ParseDeviceSectionName(const std::string& section);

class DeviceCatalogue {
 public:
  DeviceCatalogue() = default;  // empty: every type reads the defaults
  explicit DeviceCatalogue(IniFile file) : file_(std::move(file)) {}
  // Throws FileReadError when the file cannot be read.
  static DeviceCatalogue Open(const std::string& path);

  bool Has(uint16_t deviceType) const;
  // The types with a section, in file order (sections that are not hexadecimal
  // identifiers are left out).
  std::vector<uint16_t> Types() const;

  // Texts as code page 1251 bytes, empty when missing, cut to 255 characters.
  std::string About(uint16_t deviceType) const;
  std::string Text(uint16_t deviceType) const;
  std::string File(uint16_t deviceType) const;
  int Keys(uint16_t deviceType) const;
  int Memory(uint16_t deviceType) const;
  int Numeration(uint16_t deviceType) const;
  // ("Width" - 1, "Height" - 1): the highest device column and row index; -1 for a
  // count below 1, as for a missing one.
  std::pair<int, int> Size(uint16_t deviceType) const;
  // False only when "Check" is exactly "CS" (the arithmetic sum).
  bool UsesCrc(uint16_t deviceType) const;
  bool IsImage(uint16_t deviceType) const;
  ImageGeometry Geometry(uint16_t deviceType) const;

  // What the device procedures need of a type (texts in UTF-8).
  DeviceModel Model(uint16_t deviceType) const;

  // Why the device procedures cannot work with the type, naming the first value
  // they cannot take as it is written and what it should be: no section; Width
  // 1..16; Height 1..18; a field of at most 255 keys (the layout image counts its
  // keys in one byte); Memory 64..65 536; Keys 1..Width x Height. Empty when the
  // type is usable.
  std::string ModelProblem(uint16_t deviceType) const;
  // The same for the key image: every geometry value 0..100 000 hundredths of a
  // millimetre (a metre, far beyond any key cap).
  std::string GeometryValueOutOfRange(uint16_t deviceType) const;

  const IniFile& Ini() const { return file_; }

 private:
  std::string Value(uint16_t deviceType, const char* key) const;
  int Integer(uint16_t deviceType, const char* key) const;
  // "key=value" as written, then what it should be, when the integer is outside
  // min..max; else empty.
  std::string OutOfRange(uint16_t deviceType, const char* key, int min, int max, const std::string& meaning) const;
  IniFile file_;
};

// The catalogue of a program folder as the device procedures ask it: the model of
// a type with a section, and its decoding table read afresh from
// folder + File(type) on every call.
class FolderDeviceCatalogue final : public IDeviceCatalogue {
 public:
  // Opens folder/DEVICES.TYP; throws FileReadError when it cannot be read.
  explicit FolderDeviceCatalogue(std::string folder);
  FolderDeviceCatalogue(std::string folder, DeviceCatalogue catalogue);

  // nullopt for a type the catalogue does not list or whose values are out of range.
  std::optional<DeviceModel> Model(uint16_t deviceType) const override;
  // The type's decoding table; nullopt when the file cannot be read, its name leaves
  // the program folder, or it does not place exactly Width x Height keys each in a
  // cell of its own (fewer would pile keys on the fragment's corner, repeated cells
  // would write keys over each other).
  std::optional<KeyPlacement> Decoding(uint16_t deviceType) const override;
  std::string Problem(uint16_t deviceType) const override;

  const DeviceCatalogue& Catalogue() const { return catalogue_; }

 private:
  // The table, or nullopt with the reason in problem.
  std::optional<KeyPlacement> LoadDecoding(uint16_t deviceType, std::string& problem) const;
  std::string folder_;
  DeviceCatalogue catalogue_;
};

}  // namespace vl
