#pragma once
// The one-step undo of a layout document. The snapshot holds key records only:
// notes, bookmarks, groups, the card reader and the track mask are not in it.

#include <string>

#include "core/document/VL2Document.h"

namespace vl {

// Accusative names of the undoable steps (UTF-8), shown after "Отменить ".
inline constexpr const char* kUndoClear = "удаление";
inline constexpr const char* kUndoPaste = "вставку";
inline constexpr const char* kUndoMove = "перемещение";
inline constexpr const char* kUndoInsertColumns = "добавление колонок";
inline constexpr const char* kUndoInsertRows = "добавление строк";
inline constexpr const char* kUndoDeleteColumns = "удаление колонок";
inline constexpr const char* kUndoDeleteRows = "удаление строк";
inline constexpr const char* kUndoCopyToLayers = "копирование на уровни";
inline constexpr const char* kUndoApplyRecord = "изменение данных";
inline constexpr const char* kUndoDeviceRead = "чтение данных из устройства";

// Replaces the snapshot with a copy of every key record, sets UndoAvailable and
// UndoName. Does not notify and does not touch Modified.
void SaveUndo(TVL2Document& document, const std::string& name);

// SaveUndo for a step that begins by clearing the block for the layer. An
// all-layer clear frees every record there, so those records move into the
// snapshot instead of being copied and then freed.
void SaveUndoBeforeClear(TVL2Document& document, const std::string& name, const TRect& block,
                         int layer);

// Exchanges the key records with the snapshot, so a second Undo redoes the step;
// empties UndoName, keeps UndoAvailable. Sets Modified (the keys no longer match a
// file saved since the step) and notifies Undone, then ContentChanged. Nothing
// happens while no snapshot exists.
void Undo(TVL2Document& document);

// The undo command's caption ("&Отменить " + UndoName) and hint (UTF-8).
std::string UndoCaption(const TVL2Document& document);
std::string UndoHint(const TVL2Document& document);

}  // namespace vl
