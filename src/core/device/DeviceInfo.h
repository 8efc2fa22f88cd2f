#pragma once
// The rows of the device information window, formatted from the identification
// answer, the header block and the device's catalogue entry.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/common/TextTranslator.h"

namespace vl {

inline constexpr const char* kUnknownValue = "?";
// The information rows' names, in the order DeviceInfoRows gives them, and the
// values of the yes-or-no rows (UTF-8).
inline constexpr const char* kInfoRowNames[11] = {
    "Серия",
    "Наименование",
    "Номер",
    "Количество клавиш",
    "Исполнение",
    "Наличие считывателя магнитных карт",
    "Наличие считывателя Smart-карт",
    "Наличие внешней клавиатуры",
    "Объем памяти",
    "Программатор",
    "Версия контроллера устройства",
};
inline constexpr const char* kInfoYes = "да";
inline constexpr const char* kInfoNo = "нет";
// The memory row's unit, two spaces after the number: "1234  байт".
inline constexpr const char* kInfoMemoryUnit = "байт";

// Everything the window shows; catalogue texts in UTF-8.
struct DeviceInfoSource {
  uint16_t DeviceType = 0;
  uint16_t Serial = 0;
  bool MagneticReader = false;
  bool SmartCardReader = false;
  bool ExternalKeyboard = false;
  std::string About;  // catalogue "About"
  std::string Text;   // catalogue "Text"
  int Numeration = 0;
  int Keys = 0;
  int Memory = 0;
  uint8_t Programmer = 0;
  uint8_t ProgrammerMajor = 0;
  uint8_t ProgrammerMinor = 0;
  uint8_t ControllerMajor = 0;
  uint8_t ControllerMinor = 0;
};

// The serial number as the catalogue's "Numeration" writes it: 0 five digits,
// 1 two letters, "00" and two digits (1234 is BC0034). "?" for another style, and
// for style 1 when the thousands run past the letter Z.
std::string FormatSerialNumber(uint16_t serial, int numeration);

// The tool that wrote the header, by its "Programmer" byte; "?" for one unknown.
const char* ProgrammerName(uint8_t programmer);

// The rows of the window, in window order: a row's value is its index in
// DeviceInfoRows.
enum class DeviceInfoRow {
  Series,
  Name,
  Number,
  Keys,
  Execution,
  MagneticReader,
  SmartCardReader,
  ExternalKeyboard,
  Memory,
  Programmer,
  Controller,
};
inline constexpr int kDeviceInfoRowCount = 11;

// Rows the device answers itself, and among them those read from its header block;
// the others come from the catalogue.
bool ComesFromDevice(DeviceInfoRow row);
bool ComesFromHeader(DeviceInfoRow row);

// The (parameter, value) rows in window order (UTF-8), the program's own words in
// the translator's language; the catalogue's texts, numbers and names as they are.
std::vector<std::pair<std::string, std::string>> DeviceInfoRows(const DeviceInfoSource& source,
                                                                const TextTranslator& translate = {});

}  // namespace vl
