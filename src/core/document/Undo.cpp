#include "core/document/Undo.h"

namespace vl {

namespace {

void SaveCopy(const KeyRef& key, KeyRef& saved) {
  if (!key) {
    saved.reset();
  } else if (saved) {
    *saved = *key;  // reuse the old snapshot record: no allocation per key
  } else {
    saved = std::make_unique<TMacroButton>(*key);
  }
}

void MarkSaved(TVL2Document& document, const std::string& name) {
  document.UndoAvailable = true;
  document.UndoName = name;
}

}  // namespace

void SaveUndo(TVL2Document& document, const std::string& name) {
  auto undo = document.UndoKeys.begin();
  for (const KeyRef& key : document.Keys) SaveCopy(key, *undo++);
  MarkSaved(document, name);
}

void SaveUndoBeforeClear(TVL2Document& document, const std::string& name, const TRect& block,
                         int layer) {
  if (layer >= 0 && layer < kLayerCount) {
    SaveUndo(document, name);
    return;
  }
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      KeyRef& key = document.Keys(column, row);
      KeyRef& saved = document.UndoKeys(column, row);
      if (block.Contains(column, row)) {
        saved = std::move(key);
      } else {
        SaveCopy(key, saved);
      }
    }
  }
  MarkSaved(document, name);
}

void Undo(TVL2Document& document) {
  if (!document.UndoAvailable) return;
  document.Keys.Swap(document.UndoKeys);
  document.UndoName.clear();
  document.Modified = true;
  document.Notify(DocumentNotification::Undone);
  document.Notify(DocumentNotification::ContentChanged);
}

std::string UndoCaption(const TVL2Document& document) {
  return "&Отменить " + document.UndoName;
}

std::string UndoHint(const TVL2Document& document) { return "Отменить " + document.UndoName; }

}  // namespace vl
