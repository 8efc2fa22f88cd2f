#pragma once
// The names of the history's steps, accusative (UTF-8): the main window shows
// them after "Отменить " and "Повторить ".

namespace vl {

inline constexpr const char* kUndoClear = "удаление";
inline constexpr const char* kUndoPaste = "вставку";
inline constexpr const char* kUndoSpecialPaste = "специальную вставку";
inline constexpr const char* kUndoMove = "перемещение";
inline constexpr const char* kUndoInsertColumns = "добавление колонок";
inline constexpr const char* kUndoInsertRows = "добавление строк";
inline constexpr const char* kUndoDeleteColumns = "удаление колонок";
inline constexpr const char* kUndoDeleteRows = "удаление строк";
inline constexpr const char* kUndoCopyToLayers = "копирование на уровни";
inline constexpr const char* kUndoApplyRecord = "изменение данных";
inline constexpr const char* kUndoCardReader = "изменение считывателя";
inline constexpr const char* kUndoDeviceRead = "чтение данных из устройства";
inline constexpr const char* kUndoKeyNote = "изменение примечаний";
inline constexpr const char* kUndoMark = "изменение закладок";
inline constexpr const char* kUndoGroup = "группирование";
inline constexpr const char* kUndoUngroup = "разгруппирование";
inline constexpr const char* kUndoMaster = "перенос главной клавиши";
inline constexpr const char* kUndoPassword = "изменение пароля";

}  // namespace vl
