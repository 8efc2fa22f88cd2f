#include "core/device/DeviceInfo.h"

#include <cstdio>

#include "core/common/DecimalText.h"

namespace vl {
namespace {

// The value with at least digits digits, zeros in front.
std::string Decimal(int value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*d", digits, value);
  return text;
}

std::string Hexadecimal(unsigned value, int digits) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*x", digits, value);
  return text;
}

// A version digit pair; versions are single digits, anything else is unreadable.
std::string Version(uint8_t major, uint8_t minor, const TextTranslator& translate) {
  if (major >= 10 || minor >= 10) return kUnknownValue;
  return DecimalText(major, minor, translate);
}

}  // namespace

const char* ProgrammerName(uint8_t programmer) {
  switch (programmer) {
    case 0: return "Velmorando AT";
    case 1: return "Pellinor AT";
    case 2: return "Pellinor (DOS)";
    default: return kUnknownValue;
  }
}

std::string FormatSerialNumber(uint16_t serial, int numeration) {
  if (numeration == 0) return Decimal(serial, 5);
  if (numeration != 1 || serial / 1000 > 'Z' - 'A') return kUnknownValue;
  std::string text;
  text += static_cast<char>('A' + serial / 1000);
  text += static_cast<char>('A' + serial / 100 % 10);
  return text + "00" + Decimal(serial % 100, 2);
}

bool ComesFromHeader(DeviceInfoRow row) {
  return row == DeviceInfoRow::Programmer || row == DeviceInfoRow::Controller;
}

bool ComesFromDevice(DeviceInfoRow row) {
  switch (row) {
    case DeviceInfoRow::Series:
    case DeviceInfoRow::Number:
    case DeviceInfoRow::MagneticReader:
    case DeviceInfoRow::SmartCardReader:
    case DeviceInfoRow::ExternalKeyboard:
      return true;
    default:
      return ComesFromHeader(row);
  }
}

std::vector<std::pair<std::string, std::string>> DeviceInfoRows(const DeviceInfoSource& source,
                                                                const TextTranslator& translate) {
  const auto name = [&](DeviceInfoRow row) { return Translated(translate, kInfoRowNames[static_cast<int>(row)]); };
  const auto yesNo = [&](bool value) { return Translated(translate, value ? kInfoYes : kInfoNo); };
  const std::string version = Version(source.ProgrammerMajor, source.ProgrammerMinor, translate);
  const std::string programmer =
      version == kUnknownValue ? kUnknownValue
                               : std::string(ProgrammerName(source.Programmer)) + " " + version;
  return {
      {name(DeviceInfoRow::Series), Hexadecimal(source.DeviceType, 4)},
      {name(DeviceInfoRow::Name), source.About},
      {name(DeviceInfoRow::Number), FormatSerialNumber(source.Serial, source.Numeration)},
      {name(DeviceInfoRow::Keys), std::to_string(source.Keys)},
      {name(DeviceInfoRow::Execution), source.Text},
      {name(DeviceInfoRow::MagneticReader), yesNo(source.MagneticReader)},
      {name(DeviceInfoRow::SmartCardReader), yesNo(source.SmartCardReader)},
      {name(DeviceInfoRow::ExternalKeyboard), yesNo(source.ExternalKeyboard)},
      {name(DeviceInfoRow::Memory), std::to_string(source.Memory) + "  " + Translated(translate, kInfoMemoryUnit)},
      {name(DeviceInfoRow::Programmer), programmer},
      {name(DeviceInfoRow::Controller), Version(source.ControllerMajor, source.ControllerMinor, translate)},
  };
}

}  // namespace vl
