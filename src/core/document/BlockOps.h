#pragma once
// Block editing of a layout document: copy, cut and paste through the program's
// key clipboard, clearing, and moving a block. Blocks are inclusive rectangles of
// cells; a layer argument is 0..3 or kAllLayers, the layer shown in the grid.
// Every operation that changes the document sets Modified and notifies the owner;
// questions go through the prompt, and a declined question changes nothing (not
// the keys, the history or Modified). Only key records are edited here:
// notes, bookmarks and groups stay at their cells (Clear excepted, see there).

#include "core/common/Prompt.h"
#include "core/common/TranslatableText.h"
#include "core/document/Clipboard.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr const char* kEmptyCopyText = VL_TEXT("core", "Копируемый фрагмент пуст.");
inline constexpr const char* kPasteSizeQuestion =
    VL_TEXT("core", "Прямоугольник данных в буфере обмена превосходит выделенный. Вставить ячейки буфера в "
    "выделенный прямоугольник?\r[Да] - вставить ячейки буфера в выделенный прямоугольник;\r"
    "[Нет] - вставить все ячейки буфера;\r[Отмена] - отменить вставку;");
inline constexpr const char* kReplaceQuestion = VL_TEXT("core", "Заменить содержимое конечных кнопок?");

// Copies the block's keys for the layer into the clipboard: layer-switching keys
// whole, macro keys with that layer only. When no key has data for the layer the
// message "Копируемый фрагмент пуст." is shown, the clipboard keeps its content
// and false is returned. The document is not changed and not notified.
bool Copy(const TVL2Document& document, Clipboard& clipboard, const TRect& block, int layer,
          IPrompt& prompt);

// Copy, then Clear. Nothing is cleared when Copy found the block empty.
bool Cut(TVL2Document& document, Clipboard& clipboard, const TRect& block, int layer,
         IPrompt& prompt);

// Clears the layer of every key of the block (switching keys and an all-layer
// clear free the record); a key that ends without a record also loses its note
// and bookmark. The clear is one history step when it changed anything.
void Clear(TVL2Document& document, const TRect& block, int layer);

// Pastes the clipboard at the block's top-left cell, cut at column and row 255.
// A one-key clipboard fills the whole block with copies of its record. A block
// smaller than the clipboard asks whether to paste into the block only (Yes),
// the whole clipboard (No), or not at all (Cancel). Notifies SelectBlock with the
// pasted extent (columns - 1, rows - 1), then ContentChanged. Returns false when
// nothing was pasted (empty clipboard, Cancel).
bool Paste(TVL2Document& document, const Clipboard& clipboard, const TRect& block, int layer,
           IPrompt& prompt);

// Moves the block's content for the layer by the shift, as if every source key
// were lifted before any target is written, so overlapping blocks move whole.
// Keys whose target would lie outside the field stay where they are. When a
// target key outside the moved keys is not free for the layer the question
// "Заменить содержимое конечных кнопок?" is asked; No, or a shift that moves
// nothing into the field, returns false with nothing changed.
bool Move(TVL2Document& document, const TRect& block, int columnShift, int rowShift, int layer,
          IPrompt& prompt);

}  // namespace vl
