#include "core/document/RecordOps.h"

namespace vl {

namespace {

// Empties the layer and keeps its strings' storage for what comes next.
void EmptyLayer(TMacros& layer) {
  layer.Macro[0].clear();
  layer.Macro[1].clear();
  layer.AutoRepeat = 0;
  layer.Click = 0;
  layer.Note.clear();
}

}  // namespace

void InitRecord(TMacroButton& record) {
  record.Func = kFuncNone;
  for (TMacros& layer : record.Layers) EmptyLayer(layer);
}

void ClearLayer(TMacroButton& record, int layer) { record.Layers[static_cast<size_t>(layer)] = TMacros{}; }

void CopyLayer(const TMacroButton& source, TMacroButton& target, int sourceLayer, int targetLayer) {
  if (sourceLayer == kAllLayers && targetLayer == kAllLayers) {
    target = source;
    return;
  }
  if (sourceLayer == kAllLayers) sourceLayer = targetLayer;
  if (targetLayer == kAllLayers) targetLayer = sourceLayer;
  TMacros& to = target.Layers[static_cast<size_t>(targetLayer)];
  to = source.Layers[static_cast<size_t>(sourceLayer)];
  if (to.Note.size() > kMaxLayerNoteLength) to.Note.resize(kMaxLayerNoteLength);
}

void ClearLayerOrFree(KeyRef& reference, int layer) {
  if (!reference) return;
  if (reference->Func == kFuncMacro && layer >= 0 && layer < kLayerCount) {
    ClearLayer(*reference, layer);
    FreeIfBlank(reference);
  } else {
    reference.reset();
  }
}

void FreeIfBlank(KeyRef& reference) {
  if (reference && reference->IsBlank()) reference.reset();
}

void MoveContent(KeyRef& source, KeyRef& target, int layer) {
  if (!source) {
    ClearLayerOrFree(target, layer);
    return;
  }
  if (source->Func != kFuncMacro || layer == kAllLayers) {
    // The whole record moves and the source is freed: handing the record over
    // is the same and spares a copy per key.
    target = std::move(source);
    FreeIfBlank(target);
    return;
  }
  if (!target) target = std::make_unique<TMacroButton>();
  target->Func = kFuncMacro;
  CopyLayer(*source, *target, layer, layer);
  FreeIfBlank(target);
  ClearLayerOrFree(source, layer);
}

bool IsFreeFor(const TMacroButton* record, int layer) {
  if (record == nullptr || record->Func == kFuncNone) return true;
  if (record->Func == kFuncMacro && layer >= 0 && layer < kLayerCount) {
    return record->Layers[static_cast<size_t>(layer)].IsEmpty();
  }
  return false;
}

}  // namespace vl
