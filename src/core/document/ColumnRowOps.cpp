#include "core/document/ColumnRowOps.h"

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

// Columns and rows are handled by one routine that addresses a cell as (line,
// position along the line).
enum class Axis { Columns, Rows };

KeyRef& KeyOnLine(TVL2Document& document, Axis axis, int line, int position) {
  return axis == Axis::Columns ? document.Keys(line, position) : document.Keys(position, line);
}

bool LinesFreeFor(TVL2Document& document, Axis axis, int first, int last, int layer) {
  for (int line = first; line <= last; ++line) {
    for (int position = 1; position <= kFieldSize; ++position) {
      if (!IsFreeFor(KeyOnLine(document, axis, line, position).get(), layer)) return false;
    }
  }
  return true;
}

// The lines first to last, all across the field.
TRect Lines(Axis axis, int first, int last) {
  return axis == Axis::Columns ? TRect{first, 1, last, kFieldSize} : TRect{1, first, kFieldSize, last};
}

void ClearLines(TVL2Document& document, Axis axis, int first, int last, int layer) {
  for (int line = first; line <= last; ++line) {
    for (int position = 1; position <= kFieldSize; ++position) {
      ClearLayerOrFree(KeyOnLine(document, axis, line, position), layer);
    }
  }
}

void MoveLine(TVL2Document& document, Axis axis, int from, int to, int layer) {
  for (int position = 1; position <= kFieldSize; ++position) {
    MoveContent(KeyOnLine(document, axis, from, position), KeyOnLine(document, axis, to, position),
                layer);
  }
}

bool InsertLines(TVL2Document& document, Axis axis, int first, int count, int layer,
                 IPrompt& prompt, const char* question, const char* undoName) {
  const int firstLost = kFieldSize + 1 - count;
  if (!LinesFreeFor(document, axis, firstLost, kFieldSize, layer) &&
      prompt.Ask(question, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) !=
          Answer::Yes) {
    return false;
  }
  {
    // Every line from the first one inserted to the field's end may change.
    const StepGuard step(document, undoName, StepScope::KeysIn(Lines(axis, first, kFieldSize)));
    ClearLines(document, axis, firstLost, kFieldSize, layer);
    for (int line = firstLost - 1; line >= first; --line) {
      MoveLine(document, axis, line, line + count, layer);
    }
  }
  FinishEdit(document, DocumentNotification::Repaint);
  return true;
}

void DeleteLines(TVL2Document& document, Axis axis, int first, int count, int layer,
                 const char* undoName) {
  {
    const StepGuard step(document, undoName, StepScope::KeysIn(Lines(axis, first, kFieldSize)));
    ClearLines(document, axis, first, first + count - 1, layer);
    for (int line = first + count; line <= kFieldSize; ++line) {
      MoveLine(document, axis, line, line - count, layer);
    }
  }
  FinishEdit(document, DocumentNotification::Repaint);
}

}  // namespace

bool InsertColumns(TVL2Document& document, const TRect& block, int layer, IPrompt& prompt) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return false;
  return InsertLines(document, Axis::Columns, area->Left, area->Width(), layer, prompt,
                     kInsertColumnsQuestion, kUndoInsertColumns);
}

bool InsertRows(TVL2Document& document, const TRect& block, int layer, IPrompt& prompt) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return false;
  return InsertLines(document, Axis::Rows, area->Top, area->Height(), layer, prompt,
                     kInsertRowsQuestion, kUndoInsertRows);
}

void DeleteColumns(TVL2Document& document, const TRect& block, int layer) {
  if (const std::optional<TRect> area = ClipToField(block)) {
    DeleteLines(document, Axis::Columns, area->Left, area->Width(), layer, kUndoDeleteColumns);
  }
}

void DeleteRows(TVL2Document& document, const TRect& block, int layer) {
  if (const std::optional<TRect> area = ClipToField(block)) {
    DeleteLines(document, Axis::Rows, area->Top, area->Height(), layer, kUndoDeleteRows);
  }
}

}  // namespace vl
