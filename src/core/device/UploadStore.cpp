#include "core/device/UploadStore.h"

#include <memory>

#include "core/document/RecordOps.h"

namespace vl {

UploadStore::UploadStore(TVL2Document& document, const TRect& selection,
                         const SettingsStore& settings)
    : document_(document),
      selection_(selection),
      ignoreEmpty_(settings.IsOn(Setting::DownloadIgnoreEmptyKeys)) {}

void UploadStore::StoreKey(GridOffset offset, const TMacroButton& record) {
  const int column = selection_.Left + offset.Dx;
  const int row = selection_.Top + offset.Dy;
  if (column > selection_.Right || row > selection_.Bottom || !InField(column, row)) return;
  // A device key without content reads back as a macro key with empty layers.
  if (ignoreEmpty_ && record.IsBlank()) return;
  KeyRef& target = document_.Keys(column, row);
  if (!target) target = std::make_unique<TMacroButton>();
  *target = record;
  FreeIfBlank(target);
}

void UploadStore::StoreCardReader(const TMacroButton& record, uint8_t trackMask) {
  TMacroButton card = record;
  card.Func = kFuncNone;
  document_.SetCardReader(card);
  document_.SetTrackMask(trackMask);
}

}  // namespace vl
