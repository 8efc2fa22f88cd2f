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

// Visits the cells of the lines first to last (last to first when backwards) at
// every position. Cells at different positions never meet, so the field is walked
// in the order it is stored: line by line for columns, position by position for
// rows, rather than a row at a time across every column.
template <class Visit>
void ForEachCell(Axis axis, int first, int last, bool backwards, const Visit& visit) {
  const auto alongPosition = [&](int position) {
    if (backwards) {
      for (int line = last; line >= first; --line) visit(line, position);
    } else {
      for (int line = first; line <= last; ++line) visit(line, position);
    }
  };
  if (axis == Axis::Rows) {
    for (int position = 1; position <= kFieldSize; ++position) alongPosition(position);
    return;
  }
  const auto acrossLine = [&](int line) {
    for (int position = 1; position <= kFieldSize; ++position) visit(line, position);
  };
  if (backwards) {
    for (int line = last; line >= first; --line) acrossLine(line);
  } else {
    for (int line = first; line <= last; ++line) acrossLine(line);
  }
}

bool LinesFreeFor(TVL2Document& document, Axis axis, int first, int last, int layer) {
  bool free = true;
  ForEachCell(axis, first, last, false, [&](int line, int position) {
    free = free && IsFreeFor(KeyOnLine(document, axis, line, position).get(), layer);
  });
  return free;
}

// The lines first to last, all across the field.
TRect Lines(Axis axis, int first, int last) {
  return axis == Axis::Columns ? TRect{first, 1, last, kFieldSize} : TRect{1, first, kFieldSize, last};
}

void ClearLines(TVL2Document& document, Axis axis, int first, int last, int layer) {
  ForEachCell(axis, first, last, false, [&](int line, int position) {
    ClearLayerOrFree(KeyOnLine(document, axis, line, position), layer);
  });
}

// Moves the lines first to last by offset lines, the one nearest the destination first.
void MoveLines(TVL2Document& document, Axis axis, int first, int last, int offset, int layer) {
  ForEachCell(axis, first, last, offset > 0, [&](int line, int position) {
    MoveContent(KeyOnLine(document, axis, line, position), KeyOnLine(document, axis, line + offset, position),
                layer);
  });
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
    MoveLines(document, axis, first, firstLost - 1, count, layer);
  }
  FinishEdit(document, DocumentNotification::Repaint);
  return true;
}

void DeleteLines(TVL2Document& document, Axis axis, int first, int count, int layer,
                 const char* undoName) {
  {
    const StepGuard step(document, undoName, StepScope::KeysIn(Lines(axis, first, kFieldSize)));
    ClearLines(document, axis, first, first + count - 1, layer);
    MoveLines(document, axis, first + count, kFieldSize, -count, layer);
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
