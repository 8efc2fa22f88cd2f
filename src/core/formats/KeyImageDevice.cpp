#include "core/formats/KeyImageDevice.h"

namespace vl {

std::optional<KeyImageRequest> DeviceImageRequest(const DeviceCatalogue& catalogue, uint16_t deviceType,
                                                  const TVL2Document& document, int left, int top,
                                                  KeyImageFormat format, const KeyImageOptions& options,
                                                  IPrompt& prompt) {
  if (!catalogue.IsImage(deviceType)) {
    prompt.Message("Выбранное устройство не нуждается в создании изображений клавиш.", kCaptionAttention,
                   MessageIcon::Information);
    return std::nullopt;
  }
  const auto [highestColumn, highestRow] = catalogue.Size(deviceType);
  // Wider than the layout field cannot be meant, and would only draw for ages.
  if (highestColumn < 1 || highestRow < 1 || highestColumn >= kFieldSize || highestRow >= kFieldSize) {
    prompt.Message("Ошибочный размер клавиатурного поля. ", kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  // Far outside a key cap's size the picture's coordinates would overflow.
  if (const std::string fault = catalogue.GeometryValueOutOfRange(deviceType); !fault.empty()) {
    prompt.Message("Ошибочное значение в описании устройства " + DeviceSectionName(deviceType) + ": " + fault,
                   kCaptionError, MessageIcon::Error);
    return std::nullopt;
  }
  const ImageGeometry geometry = catalogue.Geometry(deviceType);
  KeyImageRequest request;
  request.Document = &document;
  request.Columns = highestColumn + 1;
  request.Rows = highestRow + 1;
  request.Selection = ImageSelection(left, top, request.Columns, request.Rows);
  request.Geometry = ScaleGeometry(KeyImageGeometry{geometry.KeyWidth, geometry.KeyHeight, geometry.HorKeySpace,
                                                    geometry.VerKeySpace, geometry.TopSpace, geometry.LeftSpace},
                                   ScaleFactor(format));
  request.Options = options;
  return request;
}

}  // namespace vl
