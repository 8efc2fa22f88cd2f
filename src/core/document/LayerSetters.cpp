#include "core/document/LayerSetters.h"

#include "core/document/EditingSupport.h"
#include "core/document/StepGuard.h"
#include "core/document/Undo.h"

namespace vl {
namespace {

// Runs set(layerBlock) on the chosen layers of every key of the block.
template <class Set>
void SetOnLayers(TVL2Document& document, const TRect& block, int layer, Set&& set) {
  const std::optional<TRect> area = ClipToField(block);
  if (!area) return;
  const int first = layer == kAllLayers ? 0 : layer;
  const int last = layer == kAllLayers ? kLayerCount - 1 : layer;
  if (first < 0 || last >= kLayerCount) return;
  {
    const StepGuard step(document, kUndoSpecialPaste, StepScope::KeysIn(*area));
    ForEachCell(*area, [&](int column, int row) {
      KeyRef& key = document.Keys(column, row);
      if (!key) key = std::make_unique<TMacroButton>();
      for (int l = first; l <= last; ++l) set(key->Layers[static_cast<size_t>(l)]);
      // Func first, so a switching key left with empty layers is freed as well.
      key->Func = kFuncMacro;
      FreeIfBlank(key);
    });
  }
  FinishEdit(document);
}

}  // namespace

bool SetSequence(TVL2Document& document, const TRect& block, int layer, SequenceKind which,
                 const std::string& bytes) {
  if (bytes.size() > kMaxSequenceLength) return false;
  const auto index = static_cast<size_t>(which);
  SetOnLayers(document, block, layer, [&](TMacros& macros) { macros.Macro[index] = bytes; });
  return true;
}

void SetAutoRepeat(TVL2Document& document, const TRect& block, int layer, uint8_t value) {
  SetOnLayers(document, block, layer, [&](TMacros& macros) { macros.AutoRepeat = value; });
}

void SetLayerNote(TVL2Document& document, const TRect& block, int layer, const std::string& text) {
  const std::string note = text.substr(0, kMaxLayerNoteLength);
  SetOnLayers(document, block, layer, [&](TMacros& macros) { macros.Note = note; });
}

}  // namespace vl
