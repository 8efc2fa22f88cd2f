#pragma once
// A device type as its catalogue entry describes it: the part the device
// procedures need, with the check kind its blocks carry.

#include <cstdint>
#include <string>

namespace vl {

// The two check bytes after a block: the folded sum or the CRC-8.
enum class CheckKind : uint8_t { Sum = 0, Crc = 1 };

// The catalogue's "Check" value: "CS" is the sum check, anything else CRC-8.
CheckKind CheckKindFromCatalogue(const std::string& check);

// The catalogue entry of a device type, as far as the procedures need it.
struct DeviceModel {
  int Width = 0;   // "Width": device columns
  int Height = 0;  // "Height": device rows
  int Memory = 0;  // "Memory" in bytes; taken as 16 bits
  CheckKind Check = CheckKind::Crc;
  int Keys = 0;        // "Keys"
  int Numeration = 0;  // "Numeration"
  std::string About;   // "About", UTF-8
  std::string Text;    // "Text", UTF-8
};

}  // namespace vl
