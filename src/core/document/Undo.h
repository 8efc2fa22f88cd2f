#pragma once
// The names of the history's steps, accusative (UTF-8): the main window shows
// them after "Отменить " and "Повторить ".

#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kUndoClear = VL_TEXT("core", "удаление");
inline constexpr const char* kUndoPaste = VL_TEXT("core", "вставку");
inline constexpr const char* kUndoSpecialPaste = VL_TEXT("core", "специальную вставку");
inline constexpr const char* kUndoMove = VL_TEXT("core", "перемещение");
inline constexpr const char* kUndoInsertColumns = VL_TEXT("core", "добавление колонок");
inline constexpr const char* kUndoInsertRows = VL_TEXT("core", "добавление строк");
inline constexpr const char* kUndoDeleteColumns = VL_TEXT("core", "удаление колонок");
inline constexpr const char* kUndoDeleteRows = VL_TEXT("core", "удаление строк");
inline constexpr const char* kUndoCopyToLayers = VL_TEXT("core", "копирование на уровни");
inline constexpr const char* kUndoApplyRecord = VL_TEXT("core", "изменение данных");
inline constexpr const char* kUndoCardReader = VL_TEXT("core", "изменение считывателя");
inline constexpr const char* kUndoDeviceRead = VL_TEXT("core", "чтение данных из устройства");
inline constexpr const char* kUndoKeyNote = VL_TEXT("core", "изменение примечаний");
inline constexpr const char* kUndoMark = VL_TEXT("core", "изменение закладок");
inline constexpr const char* kUndoGroup = VL_TEXT("core", "группирование");
inline constexpr const char* kUndoUngroup = VL_TEXT("core", "разгруппирование");
inline constexpr const char* kUndoMaster = VL_TEXT("core", "перенос главной клавиши");
inline constexpr const char* kUndoPassword = VL_TEXT("core", "изменение пароля");

}  // namespace vl
