#pragma once
// The description of one catalogue section that the supported devices window
// shows: 22 lines, "?" for a missing text, image values in millimetres.

#include <string>
#include <vector>

#include "core/catalogue/IniFile.h"
#include "core/common/TextTranslator.h"

namespace vl {

// The lines' patterns, each passed through the translator and filled with its value.
inline constexpr const char* kDeviceIdentity = "[Идентификационные данные]";
inline constexpr const char* kDeviceSeries = "Серия: %1";
inline constexpr const char* kDeviceModel = "Модель: %1";
inline constexpr const char* kDeviceDate = "Дата создания серии: %1";
inline constexpr const char* kDeviceTechnical = "[Технические характеристики]";
inline constexpr const char* kDeviceKeys = "Количество клавиш: %1";
inline constexpr const char* kDeviceWidth = "Ширина клавиатурного поля: %1 клавиш";
inline constexpr const char* kDeviceHeight = "Высота клавиатурного поля: %1 клавиш";
inline constexpr const char* kDeviceMemory = "Объем памяти: %1 байт";
inline constexpr const char* kDeviceVersion = "Исполнение: %1";
inline constexpr const char* kDeviceDecodingFile = "Файл декодирования: %1";
inline constexpr const char* kDeviceNumbering = "Тип нумерации: %1";
inline constexpr const char* kDeviceImage = "[Рисунок клавиш]";
inline constexpr const char* kDeviceImageNeeded = "Необходимость в создании рисунка: %1";
inline constexpr const char* kDeviceYes = "да";
inline constexpr const char* kDeviceNo = "нет";
inline constexpr const char* kDeviceKeyWidth = "Ширина клавиши: %1мм";
inline constexpr const char* kDeviceKeyHeight = "Высота клавиши: %1мм";
inline constexpr const char* kDeviceHorizontalStep = "Горизонтальный шаг: %1мм";
inline constexpr const char* kDeviceVerticalStep = "Вертикальный шаг: %1мм";
inline constexpr const char* kDeviceLeftMargin = "Горизонтальный отступ: %1мм";
inline constexpr const char* kDeviceTopMargin = "Вертикальный отступ: %1мм";

// The 22 lines (UTF-8) for the section; values shown as written in the file.
std::vector<std::string> DescribeDevice(const IniFile& catalogue, const std::string& section,
                                        const TextTranslator& translate = {});

// The section names, sorted, as the window's list shows them.
std::vector<std::string> SortedDeviceSections(const IniFile& catalogue);

}  // namespace vl
