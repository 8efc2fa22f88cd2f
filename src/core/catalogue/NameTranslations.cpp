#include "core/catalogue/NameTranslations.h"

#include "core/common/FileErrors.h"

namespace vl {

NameTranslations::NameTranslations(IniFile file, std::string language)
    : file_(std::move(file)), language_(std::move(language)) {}

NameTranslations NameTranslations::Read(const std::string& path, const std::string& language) {
  try {
    return NameTranslations(IniFile::Load(path), language);
  } catch (const FileReadError&) {
    return {};
  }
}

std::string NameTranslations::operator()(const std::string& name) const {
  if (language_.empty()) return name;
  // An empty translation is no translation.
  const std::string translated = file_.ReadString(language_, name);
  return translated.empty() ? name : translated;
}

}  // namespace vl
