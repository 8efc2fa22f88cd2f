#include "core/catalogue/DeviceDescription.h"

#include <algorithm>
#include <charconv>

#include "core/text/Cp1251.h"

namespace vl {
namespace {

constexpr const char* kUnknown = "?";

// Hundredths of a millimetre as "%2.2fмм". to_chars keeps the point whatever
// locale the program runs in.
std::string Millimetres(long long hundredths) {
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, static_cast<double>(hundredths) / 100,
                                    std::chars_format::fixed, 2);
  return std::string(digits, result.ptr) + "мм";
}

}  // namespace

std::vector<std::string> DescribeDevice(const IniFile& catalogue, const std::string& section) {
  const auto text = [&](const char* key, const char* fallback = kUnknown) {
    return Cp1251ToUtf8(catalogue.ReadString(section, key, fallback));
  };
  const auto upper = [&](const char* key, const char* fallback) {
    return Cp1251ToUtf8(Cp1251ToUpper(catalogue.ReadString(section, key, fallback)));
  };
  const auto number = [&](const char* key) -> long long { return catalogue.ReadInteger(section, key, 0); };
  const long long keyWidth = number("ImageKeyWidth");
  const long long keyHeight = number("ImageKeyHeight");
  return {
      "[Идентификационные данные]",
      "Серия: " + Cp1251ToUtf8(section),
      "Модель: " + text("About"),
      "Дата создания серии: " + text("Date"),
      "",
      "[Технические характеристики]",
      "Количество клавиш: " + text("Keys"),
      "Ширина клавиатурного поля: " + text("Width") + " клавиш",
      "Высота клавиатурного поля: " + text("Height") + " клавиш",
      "Объем памяти: " + text("Memory") + " байт",
      "Исполнение: " + text("Text"),
      "Файл декодирования: " + upper("File", kUnknown),
      "Тип нумерации: " + upper("Numeration", "0"),
      "",
      "[Рисунок клавиш]",
      std::string("Необходимость в создании рисунка: ") +
          (catalogue.ReadString(section, "IsImage") == "1" ? "да" : "нет"),
      "Ширина клавиши: " + Millimetres(keyWidth),
      "Высота клавиши: " + Millimetres(keyHeight),
      "Горизонтальный шаг: " + Millimetres(keyWidth + number("ImageHorKeySpace")),
      "Вертикальный шаг: " + Millimetres(keyHeight + number("ImageVerKeySpace")),
      "Горизонтальный отступ: " + Millimetres(number("ImageLeftSpace")),
      "Вертикальный отступ: " + Millimetres(number("ImageTopSpace")),
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
