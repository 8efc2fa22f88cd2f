#pragma once
// The names of the history's steps and the captions of the undo and redo
// commands. Names are accusative (UTF-8), shown after "Отменить " and "Повторить ".

#include <string>

namespace vl {

class TVL2Document;

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

// "&Отменить " + the name of the step an undo would take, "&Отменить" without one;
// the hint without the accelerator. The same for redo with "Повторить".
std::string UndoCaption(const TVL2Document& document);
std::string UndoHint(const TVL2Document& document);
std::string RedoCaption(const TVL2Document& document);
std::string RedoHint(const TVL2Document& document);

}  // namespace vl
