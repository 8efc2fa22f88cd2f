#pragma once
// The document's side of an upload: places each key read from the device into
// the selected fragment, as the upload settings say.

#include "core/device/DeviceImage.h"
#include "core/document/VL2Document.h"
#include "core/settings/SettingsStore.h"

namespace vl {

class UploadStore final : public IUploadSink {
 public:
  // The store writes into the document within the selection; both outlive it.
  UploadStore(TVL2Document& document, const TRect& selection, const SettingsStore& settings);

  // Cell (selection left + dx, top + dy); skipped beyond the selection. With
  // "download ignore empty keys" a blank record leaves the cell alone; otherwise
  // the cell takes the record, and loses it when it is blank.
  void StoreKey(GridOffset offset, const TMacroButton& record) override;
  // Replaces the card reader and the track mask.
  void StoreCardReader(const TMacroButton& record, uint8_t trackMask) override;

 private:
  TVL2Document& document_;
  TRect selection_;
  bool ignoreEmpty_;
};

}  // namespace vl
