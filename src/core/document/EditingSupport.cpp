#include "core/document/EditingSupport.h"

namespace vl {

std::optional<TRect> ClipToField(const TRect& block) {
  TRect clipped{std::max(std::min(block.Left, block.Right), 1),
                std::max(std::min(block.Top, block.Bottom), 1),
                std::min(std::max(block.Left, block.Right), kFieldSize),
                std::min(std::max(block.Top, block.Bottom), kFieldSize)};
  if (clipped.Left > clipped.Right || clipped.Top > clipped.Bottom) return std::nullopt;
  return clipped;
}

void FinishEdit(TVL2Document& document, DocumentNotification kind) {
  document.Notify(kind);
}

}  // namespace vl
