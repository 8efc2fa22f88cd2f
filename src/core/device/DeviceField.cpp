#include "core/device/DeviceField.h"

namespace vl {

std::string DeviceFieldText(const TRect& field, const TextTranslator& translate) {
  return TranslatedText(translate, kDeviceFieldPattern,
                        {std::to_string(field.Width()), std::to_string(field.Height()), std::to_string(field.Left),
                         std::to_string(field.Top)});
}

std::string DeviceFieldNote(const TRect& field, const TextTranslator& translate) {
  return field.Left == 1 && field.Top == 1 ? std::string() : DeviceFieldText(field, translate);
}

std::string WithDeviceFieldNote(const TRect& field, const std::string& question, const TextTranslator& translate) {
  const std::string note = DeviceFieldNote(field, translate);
  return note.empty() ? question : note + "\n\n" + question;
}

}  // namespace vl
