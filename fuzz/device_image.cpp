// Bytes read back from a keyboard: the image reader and the upload store must
// stay within the image and the field whatever the device sends.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/device/DeviceImage.h"
#include "core/device/UploadStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first byte picks the device shape and the options, the rest is the image.
  const int width = (data[0] & 0x0F) + 1;
  const int height = ((data[0] >> 4) & 0x0F) + 1;
  const bool flags = (data[1] & 1) != 0;
  // One document for every input: the read goes only inside the selection and the
  // card reader, which are emptied again afterwards, so no input sees another's.
  static vl::TVL2Document document;
  const vl::TRect selection{250, 250, 255, 255};
  vl::DeviceRead read;
  vl::SettingsStore settings;
  settings.Set(vl::Setting::DownloadIgnoreEmptyKeys, flags ? 1 : 0);
  vl::UploadStore store(read, selection, settings);
  const auto placement = [](int x, int y) { return vl::GridOffset{x, y}; };
  vl::ReadDeviceImage(std::span<const uint8_t>(data + 2, size - 2),
                      {width, height, flags, (data[1] & 2) != 0}, placement, store);
  vl::StoreDeviceRead(document, read);
  for (int column = selection.Left; column <= selection.Right; ++column) {
    for (int row = selection.Top; row <= selection.Bottom; ++row) document.SetKey(column, row, nullptr);
  }
  document.CardReader = vl::TMacroButton();
  document.TrackMask = 0;
  return 0;
}
