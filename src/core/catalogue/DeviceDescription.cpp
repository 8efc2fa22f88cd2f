#include "core/catalogue/DeviceDescription.h"

#include <algorithm>
#include <charconv>

#include "core/text/Cp1251.h"

namespace vl {
namespace {

constexpr const char* kUnknown = "?";

// Hundredths of a millimetre with two decimals; to_chars keeps the point whatever
// locale the program runs in. The unit is the line pattern's.
std::string Millimetres(long long hundredths) {
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<double>(hundredths) / 100,
                                    std::chars_format::fixed, 2);
  return std::string(digits, result.ptr);
}

}  // namespace

std::vector<std::string> DescribeDevice(const IniFile& catalogue, const std::string& section,
                                        const TextTranslator& translate) {
  const auto line = [&](const char* pattern, const std::string& value) {
    return TranslatedText(translate, pattern, {value});
  };
  const auto text = [&](const char* key, const char* fallback = kUnknown) {
    return Cp1251ToUtf8(catalogue.ReadString(section, key, fallback));
  };
  const auto upper = [&](const char* key, const char* fallback) {
    return Cp1251ToUtf8(Cp1251ToUpper(catalogue.ReadString(section, key, fallback)));
  };
  const auto number = [&](const char* key) -> long long { return catalogue.ReadInteger(section, key, 0); };
  const long long keyWidth = number("ImageKeyWidth");
  const long long keyHeight = number("ImageKeyHeight");
  const bool image = catalogue.ReadString(section, "IsImage") == "1";
  return {
      Translated(translate, kDeviceIdentity),
      line(kDeviceSeries, Cp1251ToUtf8(section)),
      line(kDeviceModel, text("About")),
      line(kDeviceDate, text("Date")),
      "",
      Translated(translate, kDeviceTechnical),
      line(kDeviceKeys, text("Keys")),
      line(kDeviceWidth, text("Width")),
      line(kDeviceHeight, text("Height")),
      line(kDeviceMemory, text("Memory")),
      line(kDeviceVersion, text("Text")),
      line(kDeviceDecodingFile, upper("File", kUnknown)),
      line(kDeviceNumbering, upper("Numeration", "0")),
      "",
      Translated(translate, kDeviceImage),
      line(kDeviceImageNeeded, Translated(translate, image ? kDeviceYes : kDeviceNo)),
      line(kDeviceKeyWidth, Millimetres(keyWidth)),
      line(kDeviceKeyHeight, Millimetres(keyHeight)),
      line(kDeviceHorizontalStep, Millimetres(keyWidth + number("ImageHorKeySpace"))),
      line(kDeviceVerticalStep, Millimetres(keyHeight + number("ImageVerKeySpace"))),
      line(kDeviceLeftMargin, Millimetres(number("ImageLeftSpace"))),
      line(kDeviceTopMargin, Millimetres(number("ImageTopSpace"))),
  };
}

std::vector<std::string> SortedDeviceSections(const IniFile& catalogue) {
  std::vector<std::string> sections = catalogue.Sections();
  // The list sorts as the window's sorted list does: without regard to case.
  std::stable_sort(sections.begin(), sections.end(), [](const std::string& a, const std::string& b) {
    return Cp1251ToUpper(a) < Cp1251ToUpper(b);
  });
  return sections;
}

}  // namespace vl
