#include "core/document/Undo.h"

namespace vl {

void SaveUndo(TVL2Document& document, const std::string& name) {
  auto undo = document.UndoKeys.begin();
  for (const KeyRef& key : document.Keys) {
    KeyRef& saved = *undo++;
    if (!key) {
      saved.reset();
    } else if (saved) {
      *saved = *key;  // reuse the old snapshot record: no allocation per key
    } else {
      saved = std::make_unique<TMacroButton>(*key);
    }
  }
  document.UndoAvailable = true;
  document.UndoName = name;
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
