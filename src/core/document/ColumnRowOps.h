#pragma once
// Inserting and deleting whole columns and rows of a layout on one layer (or on
// all layers with kAllLayers). Macro keys move only the layer's content, switching
// keys move whole; notes, bookmarks and groups stay at their cells. Each operation
// is one history step, sets Modified and notifies Repaint.

#include "core/common/Prompt.h"
#include "core/common/TranslatableText.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr const char* kInsertColumnsQuestion =
    VL_TEXT("core", "При добавлении столбцов значения правых столбцов будут удалены. Продолжить?");
inline constexpr const char* kInsertRowsQuestion =
    VL_TEXT("core", "При добавлении строк значения нижних строк будут удалены. Продолжить?");

// Inserts as many empty columns at the block's left column as the block is wide,
// pushing the columns right of it to the right. When the last columns, which fall
// off the field, hold data for the layer the question "При добавлении столбцов
// значения правых столбцов будут удалены. Продолжить?" is asked; No returns false
// with nothing changed.
bool InsertColumns(TVL2Document& document, const TRect& block, int layer, IPrompt& prompt);

// The same for rows at the block's top row ("При добавлении строк значения нижних
// строк будут удалены. Продолжить?").
bool InsertRows(TVL2Document& document, const TRect& block, int layer, IPrompt& prompt);

// Clears the block's columns and moves the columns right of it to the left; the
// last columns end empty for the layer.
void DeleteColumns(TVL2Document& document, const TRect& block, int layer);

// The same for the block's rows, moving the rows below it up.
void DeleteRows(TVL2Document& document, const TRect& block, int layer);

}  // namespace vl
