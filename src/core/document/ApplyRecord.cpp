#include "core/document/ApplyRecord.h"

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

void ApplyLayer(const TMacros& from, TMacros& to, size_t layer, const ChangedFlags& changed) {
  if (changed[ChangedFlag(LayerField::Press, layer)]) to.Macro[0] = from.Macro[0];
  if (changed[ChangedFlag(LayerField::Release, layer)]) to.Macro[1] = from.Macro[1];
  if (changed[ChangedFlag(LayerField::AutoRepeat, layer)]) to.AutoRepeat = from.AutoRepeat;
  if (changed[ChangedFlag(LayerField::Click, layer)]) to.Click = from.Click;
  if (changed[ChangedFlag(LayerField::Note, layer)]) {
    to.Note = from.Note.substr(0, kMaxLayerNoteLength);
  }
}

}  // namespace

void ApplyRecord(TVL2Document& document, const TRect& block, const TMacroButton& record,
                 const ChangedFlags& changed) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area || changed.none()) return;
  {
    // Every flagged layer field is written to every key; the key function only
    // where it differs. What ends as it was makes no step and no change.
    const StepGuard step(document, kUndoApplyRecord, StepScope::KeysIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      KeyRef& key = document.Keys(column, row);
      if (!key) {
        key = std::make_unique<TMacroButton>();
        key->Func = kFuncMacro;
      }
      for (size_t layer = 0; layer < kLayerCount; ++layer) {
        ApplyLayer(record.Layers[layer], key->Layers[layer], layer, changed);
      }
      if (changed[kChangedFunction]) key->Func = record.Func;
      FreeIfBlank(key);
    });
  }
  document.Notify(DocumentNotification::ContentChanged);
}

}  // namespace vl
