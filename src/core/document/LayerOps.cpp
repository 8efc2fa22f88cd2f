#include "core/document/LayerOps.h"

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {

void CopyToLayers(TVL2Document& document, const TRect& block, int layer,
                  const LayerChoice& targets, bool deleteFromSource) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area || layer < 0 || layer >= kLayerCount) return;
  {
    const StepGuard step(document, kUndoCopyToLayers, StepScope::KeysIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      KeyRef& key = document.Keys(column, row);
      if (!key || key->Func != kFuncMacro) return;
      for (int target = 0; target < kLayerCount; ++target) {
        if (targets[static_cast<size_t>(target)]) CopyLayer(*key, *key, layer, target);
      }
      if (deleteFromSource) ClearLayerOrFree(key, layer);
      FreeIfBlank(key);
    });
  }
  FinishEdit(document);
}

}  // namespace vl
