#pragma once
// The layout's side of an upload: collects each key read from the device for its
// cell in the fragment, as the upload settings say.

#include "core/device/DeviceImage.h"
#include "core/document/DeviceRead.h"
#include "core/settings/SettingsStore.h"

namespace vl {

class UploadStore final : public IUploadSink {
 public:
  // The store fills read for the selection; read outlives it.
  UploadStore(DeviceRead& read, const TRect& selection, const SettingsStore& settings);

  // Cell (selection left + dx, top + dy); skipped beyond the selection. With
  // "download ignore empty keys" a blank record is skipped, so the cell will stay
  // as it is; otherwise the cell will take the record, and lose it when it is blank.
  void StoreKey(GridOffset offset, const TMacroButton& record) override;
  // The card reader and the track mask will be replaced.
  void StoreCardReader(const TMacroButton& record, uint8_t trackMask) override;

 private:
  DeviceRead& read_;
  bool ignoreEmpty_;
};

}  // namespace vl
