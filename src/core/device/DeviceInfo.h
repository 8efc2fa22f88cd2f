#pragma once
// The rows of the device information window, formatted from the identification
// answer, the header block and the device's catalogue entry.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kUnknownValue = "?";
// The information rows' names, in the order DeviceInfoRows gives them, and the
// values of the yes-or-no rows (UTF-8).
inline constexpr const char* kInfoRowNames[11] = {
    VL_TEXT("core", "Серия"),
    VL_TEXT("core", "Наименование"),
    VL_TEXT("core", "Номер"),
    VL_TEXT("core", "Количество клавиш"),
    VL_TEXT("core", "Исполнение"),
    VL_TEXT("core", "Наличие считывателя магнитных карт"),
    VL_TEXT("core", "Наличие считывателя Smart-карт"),
    VL_TEXT("core", "Наличие внешней клавиатуры"),
    VL_TEXT("core", "Объем памяти"),
    VL_TEXT("core", "Программатор"),
    VL_TEXT("core", "Версия контроллера устройства"),
};
inline constexpr const char* kInfoYes = VL_TEXT("core", "да");
inline constexpr const char* kInfoNo = VL_TEXT("core", "нет");
// The memory row's unit, two spaces after the number: "1234  байт".
inline constexpr const char* kInfoMemoryUnit = VL_TEXT("core", "байт");

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
