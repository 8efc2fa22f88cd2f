#include "core/document/DocumentCopy.h"

namespace vl {

std::unique_ptr<TVL2Document> CopyForDevice(const TVL2Document& document) {
  auto copy = std::make_unique<TVL2Document>();
  size_t index = 0;
  for (const KeyRef& key : document.Keys) {
    if (key) copy->Keys(FieldMatrix<KeyRef>::ColumnOf(index), FieldMatrix<KeyRef>::RowOf(index)) =
                 std::make_unique<TMacroButton>(*key);
    ++index;
  }
  copy->Groups = document.Groups;
  copy->CardReader = document.CardReader;
  copy->TrackMask = document.TrackMask;
  return copy;
}

}  // namespace vl
