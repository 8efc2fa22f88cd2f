#pragma once
// The description of one catalogue section that the supported devices window
// shows: 22 lines, "?" for a missing text, image values in millimetres.

#include <string>
#include <vector>

#include "core/catalogue/IniFile.h"
#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

// The lines' patterns, each passed through the translator and filled with its value.
inline constexpr const char* kDeviceIdentity = VL_TEXT("core", "[Идентификационные данные]");
inline constexpr const char* kDeviceSeries = VL_TEXT("core", "Серия: %1");
inline constexpr const char* kDeviceModel = VL_TEXT("core", "Модель: %1");
inline constexpr const char* kDeviceDate = VL_TEXT("core", "Дата создания серии: %1");
inline constexpr const char* kDeviceTechnical = VL_TEXT("core", "[Технические характеристики]");
inline constexpr const char* kDeviceKeys = VL_TEXT("core", "Количество клавиш: %1");
inline constexpr const char* kDeviceWidth = VL_TEXT("core", "Ширина клавиатурного поля: %1 клавиш");
inline constexpr const char* kDeviceHeight = VL_TEXT("core", "Высота клавиатурного поля: %1 клавиш");
inline constexpr const char* kDeviceMemory = VL_TEXT("core", "Объем памяти: %1 байт");
inline constexpr const char* kDeviceVersion = VL_TEXT("core", "Исполнение: %1");
inline constexpr const char* kDeviceDecodingFile = VL_TEXT("core", "Файл декодирования: %1");
inline constexpr const char* kDeviceNumbering = VL_TEXT("core", "Тип нумерации: %1");
inline constexpr const char* kDeviceImage = VL_TEXT("core", "[Рисунок клавиш]");
inline constexpr const char* kDeviceImageNeeded = VL_TEXT("core", "Необходимость в создании рисунка: %1");
inline constexpr const char* kDeviceYes = VL_TEXT("core", "да");
inline constexpr const char* kDeviceNo = VL_TEXT("core", "нет");
inline constexpr const char* kDeviceKeyWidth = VL_TEXT("core", "Ширина клавиши: %1мм");
inline constexpr const char* kDeviceKeyHeight = VL_TEXT("core", "Высота клавиши: %1мм");
inline constexpr const char* kDeviceHorizontalStep = VL_TEXT("core", "Горизонтальный шаг: %1мм");
inline constexpr const char* kDeviceVerticalStep = VL_TEXT("core", "Вертикальный шаг: %1мм");
inline constexpr const char* kDeviceLeftMargin = VL_TEXT("core", "Горизонтальный отступ: %1мм");
inline constexpr const char* kDeviceTopMargin = VL_TEXT("core", "Вертикальный отступ: %1мм");

// The 22 lines (UTF-8) for the section; values shown as written in the file.
std::vector<std::string> DescribeDevice(const IniFile& catalogue, const std::string& section,
                                        const TextTranslator& translate = {});

// The section names, sorted, as the window's list shows them.
std::vector<std::string> SortedDeviceSections(const IniFile& catalogue);

}  // namespace vl
