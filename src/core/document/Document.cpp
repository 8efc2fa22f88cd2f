#include "core/document/Document.h"

namespace vl {

TMacroButton* TDocument::GetKey(int column, int row) const {
  if (!InField(column, row)) return nullptr;
  return Keys(column, row).get();
}

void TDocument::SetKey(int column, int row, std::unique_ptr<TMacroButton> record) {
  if (!InField(column, row)) return;
  Keys(column, row) = std::move(record);
}

void TDocument::SetCardReader(const TMacroButton& record) {
  if (record == CardReader) return;
  CardReader = record;
  Modified = true;
}

void TDocument::SetTrackMask(uint8_t mask) {
  if (mask == TrackMask) return;
  TrackMask = mask;
  Modified = true;
}

void TDocument::Notify(DocumentNotification kind, int param1, int param2) const {
  if (owner_ != nullptr) owner_->OnDocumentNotification(kind, param1, param2);
}

}  // namespace vl
