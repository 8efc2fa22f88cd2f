#include "core/document/KeyNoteOps.h"

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

void FreeNoteIfEmpty(std::unique_ptr<TKeyNote>& note) {
  if (note && note->IsEmpty()) note.reset();
}

template <typename Has>
bool AnyNoteIn(const TVL2Document& document, const TRect& block, Has has) {
  const std::optional<TRect> area = ClipToField(block);
  bool found = false;
  if (area) {
    ForEachCell(*area, [&](int column, int row) {
      const TKeyNote* note = document.GetNote(column, row);
      found = found || (note && has(*note));
    });
  }
  return found;
}

}  // namespace

void SetKeyNote(TVL2Document& document, const TRect& block, const std::string& text) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return;
  const std::string keyNote = text.substr(0, kMaxKeyNoteLength);
  {
    const StepGuard step(document, kUndoKeyNote, StepScope::NotesIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      std::unique_ptr<TKeyNote>& note = document.Notes(column, row);
      if (keyNote.empty()) {
        if (note) note->KeyNote.clear();
        FreeNoteIfEmpty(note);
        return;
      }
      if (!note) note = std::make_unique<TKeyNote>();
      note->KeyNote = keyNote;
    });
  }
  FinishEdit(document);
}

void SetMark(TVL2Document& document, int column, int row, const std::string& name) {
  if (!InField(column, row)) return;
  {
    const StepGuard step(document, kUndoMark, StepScope::NotesIn({column, row, column, row}));
    std::unique_ptr<TKeyNote>& note = document.Notes(column, row);
    if (!note) note = std::make_unique<TKeyNote>();
    note->Mark = name.substr(0, kMaxMarkLength);
    FreeNoteIfEmpty(note);
  }
  FinishEdit(document);
}

void DeleteMarks(TVL2Document& document, const TRect& block) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return;
  {
    const StepGuard step(document, kUndoMark, StepScope::NotesIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      std::unique_ptr<TKeyNote>& note = document.Notes(column, row);
      if (!note) return;
      note->Mark.clear();
      FreeNoteIfEmpty(note);
    });
  }
  FinishEdit(document);
}

bool BlockHasKeyNote(const TVL2Document& document, const TRect& block) {
  return AnyNoteIn(document, block, [](const TKeyNote& note) { return !note.KeyNote.empty(); });
}

bool BlockHasMark(const TVL2Document& document, const TRect& block) {
  return AnyNoteIn(document, block, [](const TKeyNote& note) { return !note.Mark.empty(); });
}

std::vector<std::string> MarkNames(const TVL2Document& document) {
  std::vector<std::string> names;
  for (const auto& note : document.Notes) {
    if (note && !note->Mark.empty()) names.push_back(note->Mark);
  }
  return names;
}

std::optional<MarkPlace> FindMark(const TVL2Document& document, const std::string& name) {
  if (name.empty()) return std::nullopt;
  const auto& notes = document.Notes;
  for (auto it = notes.begin(); it != notes.end(); ++it) {
    if (!*it || (*it)->Mark != name) continue;
    const auto index = static_cast<size_t>(it - notes.begin());
    return MarkPlace{FieldMatrix<int>::ColumnOf(index), FieldMatrix<int>::RowOf(index)};
  }
  return std::nullopt;
}

TRect MarkField(TVL2Document& document, int column, int row, int columns, int rows,
                const std::string& description) {
  const TRect block{column, row, std::min(column + columns - 1, kFieldSize),
                    std::min(row + rows - 1, kFieldSize)};
  SetKeyNote(document, block, description);
  return block;
}

}  // namespace vl
