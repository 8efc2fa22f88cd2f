#include "core/document/BlockOps.h"

#include <algorithm>

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

bool IsSingleLayer(int layer) { return layer >= 0 && layer < kLayerCount; }

// True when some key of the block has something that copying or clearing the
// layer would take: a record for all layers, a switching key whatever its layers
// hold, or a macro key with content on the layer.
bool HoldsDataFor(const TVL2Document& document, const TRect& block, int layer) {
  bool found = false;
  ForEachCell(block, [&](int column, int row) {
    const TMacroButton* key = document.GetKey(column, row);
    if (found || key == nullptr) return;
    found = !IsSingleLayer(layer) || key->Func != kFuncMacro || !key->Layers[static_cast<size_t>(layer)].IsEmpty();
  });
  return found;
}

// Target becomes a whole copy of the source, reusing the target's record.
void CopyWhole(KeyRef& target, const TMacroButton& source) {
  if (target) {
    *target = source;
  } else {
    target = std::make_unique<TMacroButton>(source);
  }
}

void AssignWhole(KeyRef& target, const TMacroButton& source) {
  CopyWhole(target, source);
  FreeIfBlank(target);
}

void PasteCell(const KeyRef& source, int sourceLayer, KeyRef& target, int layer) {
  if (!source) {
    ClearLayerOrFree(target, layer);
  } else if (source->Func != kFuncMacro) {
    AssignWhole(target, *source);
  } else {
    if (!target) target = std::make_unique<TMacroButton>();
    target->Func = kFuncMacro;
    CopyLayer(*source, *target, sourceLayer, layer);
    FreeIfBlank(target);
  }
}

// How many columns and rows beyond the first a paste covers; nullopt when the
// user cancels at the size question.
struct PasteExtent {
  int Columns;
  int Rows;
};

std::optional<PasteExtent> ChoosePasteExtent(const Clipboard& clipboard, const TRect& block,
                                             IPrompt& prompt) {
  const PasteExtent whole{std::min(clipboard.Width() - 1, kFieldSize - block.Left),
                          std::min(clipboard.Height() - 1, kFieldSize - block.Top)};
  if (block.Width() == 1 && block.Height() == 1) return whole;
  if (block.Width() >= clipboard.Width() && block.Height() >= clipboard.Height()) {
    return PasteExtent{clipboard.Width() - 1, clipboard.Height() - 1};
  }
  switch (prompt.Ask(kPasteSizeQuestion, kCaptionAttention, MessageButtons::YesNoCancel,
                     MessageIcon::Question)) {
    case Answer::Yes:
      return PasteExtent{std::min(block.Width(), clipboard.Width()) - 1,
                         std::min(block.Height(), clipboard.Height()) - 1};
    case Answer::No:
      return whole;
    default:
      return std::nullopt;
  }
}

// Moves the content of the keys whose targets lie in the field, as one step.
void MoveBlock(TVL2Document& document, const TRect& moved, int columnShift, int rowShift, int layer) {
  const TRect target{moved.Left + columnShift, moved.Top + rowShift, moved.Right + columnShift,
                     moved.Bottom + rowShift};
  const StepGuard step(document, kUndoMove,
                       StepScope::KeysIn({std::min(moved.Left, target.Left), std::min(moved.Top, target.Top),
                                          std::max(moved.Right, target.Right),
                                          std::max(moved.Bottom, target.Bottom)}));
  // Visiting against the shift reads every source before its cell is written as a
  // target, which equals lifting all sources first.
  const int columnStep = columnShift > 0 ? -1 : 1;
  const int rowStep = rowShift > 0 ? -1 : 1;
  const int firstColumn = columnShift > 0 ? moved.Right : moved.Left;
  const int firstRow = rowShift > 0 ? moved.Bottom : moved.Top;
  for (int i = 0, column = firstColumn; i < moved.Width(); ++i, column += columnStep) {
    for (int j = 0, row = firstRow; j < moved.Height(); ++j, row += rowStep) {
      MoveContent(document.Keys(column, row),
                  document.Keys(column + columnShift, row + rowShift), layer);
    }
  }
}

}  // namespace

bool Copy(const TVL2Document& document, Clipboard& clipboard, const TRect& block, int layer,
          IPrompt& prompt) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area || !HoldsDataFor(document, *area, layer)) {
    prompt.Message(kEmptyCopyText, kCaptionAttention, MessageIcon::Warning);
    return false;
  }
  ForEachCell(*area, [&](int column, int row) {
    const TMacroButton* key = document.GetKey(column, row);
    KeyRef& cell = clipboard.Cell(column - area->Left, row - area->Top);
    if (key == nullptr) {
      cell.reset();
      return;
    }
    if (key->Func != kFuncMacro) {
      CopyWhole(cell, *key);
      return;
    }
    if (cell) {
      InitRecord(*cell);
    } else {
      cell = std::make_unique<TMacroButton>();
    }
    cell->Func = kFuncMacro;
    CopyLayer(*key, *cell, layer, layer);
    FreeIfBlank(cell);
  });
  clipboard.SetExtent(area->Width(), area->Height(), layer);
  return true;
}

bool Cut(TVL2Document& document, Clipboard& clipboard, const TRect& block, int layer,
         IPrompt& prompt) {
  if (!Copy(document, clipboard, block, layer, prompt)) return false;
  Clear(document, block, layer);
  return true;
}

void Clear(TVL2Document& document, const TRect& block, int layer) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return;
  {
    const StepGuard step(document, kUndoClear, StepScope::KeysAndNotesIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      KeyRef& key = document.Keys(column, row);
      ClearLayerOrFree(key, layer);
      if (!key) document.Notes(column, row).reset();
    });
  }
  FinishEdit(document);
}

bool Paste(TVL2Document& document, const Clipboard& clipboard, const TRect& block, int layer,
           IPrompt& prompt) {
  const std::optional<TRect> area = ClipToField(block);
  if (clipboard.IsEmpty() || !area) return false;
  if (clipboard.Width() == 1 && clipboard.Height() == 1) {
    {
      const StepGuard step(document, kUndoPaste, StepScope::KeysIn(*area));
      const KeyRef& source = clipboard.Cell(0, 0);
      ForEachCell(*area, [&](int column, int row) {
        KeyRef& target = document.Keys(column, row);
        if (source) {
          AssignWhole(target, *source);
        } else {
          target.reset();
        }
      });
    }
    FinishEdit(document);
    return true;
  }
  const std::optional<PasteExtent> extent = ChoosePasteExtent(clipboard, *area, prompt);
  if (!extent) return false;
  {
    const StepGuard step(document, kUndoPaste,
                         StepScope::KeysIn({area->Left, area->Top, area->Left + extent->Columns,
                                            area->Top + extent->Rows}));
    for (int dx = 0; dx <= extent->Columns; ++dx) {
      for (int dy = 0; dy <= extent->Rows; ++dy) {
        PasteCell(clipboard.Cell(dx, dy), clipboard.Layer(),
                  document.Keys(area->Left + dx, area->Top + dy), layer);
      }
    }
  }
  document.Notify(DocumentNotification::SelectBlock, extent->Columns, extent->Rows);
  FinishEdit(document);
  return true;
}

bool Move(TVL2Document& document, const TRect& block, int columnShift, int rowShift, int layer,
          IPrompt& prompt) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return false;
  // Only keys whose target lies in the field move.
  const TRect moved{std::max(area->Left, 1 - columnShift), std::max(area->Top, 1 - rowShift),
                        std::min(area->Right, kFieldSize - columnShift),
                        std::min(area->Bottom, kFieldSize - rowShift)};
  if (moved.Left > moved.Right || moved.Top > moved.Bottom) return false;
  if (columnShift == 0 && rowShift == 0) return true;
  const TRect target{moved.Left + columnShift, moved.Top + rowShift,
                     moved.Right + columnShift, moved.Bottom + rowShift};
  bool occupied = false;
  ForEachCell(target, [&](int column, int row) {
    if (!occupied && !moved.Contains(column, row)) {
      occupied = !IsFreeFor(document.GetKey(column, row), layer);
    }
  });
  if (occupied && prompt.Ask(kReplaceQuestion, kCaptionAttention, MessageButtons::YesNo,
                             MessageIcon::Question) != Answer::Yes) {
    return false;
  }
  MoveBlock(document, moved, columnShift, rowShift, layer);
  FinishEdit(document);
  return true;
}

}  // namespace vl
