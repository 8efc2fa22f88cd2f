#include "core/device/UploadStore.h"

namespace vl {

UploadStore::UploadStore(DeviceRead& read, const TRect& selection, const SettingsStore& settings)
    : read_(read), ignoreEmpty_(settings.IsOn(Setting::DownloadIgnoreEmptyKeys)) {
  read_.Fragment = selection;
}

void UploadStore::StoreKey(GridOffset offset, const TMacroButton& record) {
  const TRect& selection = read_.Fragment;
  const int column = selection.Left + offset.Dx;
  const int row = selection.Top + offset.Dy;
  if (column > selection.Right || row > selection.Bottom || !InField(column, row)) return;
  // A device key without content reads back as a macro key with empty layers.
  if (ignoreEmpty_ && record.IsBlank()) return;
  read_.Cells.push_back({column, row, record});
}

void UploadStore::StoreCardReader(const TMacroButton& record, uint8_t trackMask) {
  TMacroButton card = record;
  card.Func = kFuncNone;
  read_.CardReader = card;
  read_.TrackMask = trackMask;
}

}  // namespace vl
