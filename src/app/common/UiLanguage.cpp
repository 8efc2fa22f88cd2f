#include "app/common/UiLanguage.h"

#include <cstdlib>
#include <optional>
#include <string_view>

#include "core/settings/SettingsBackend.h"

namespace vl {

namespace {

constexpr const char* kUiLanguageSettingName = "interface language";

// The language of one locale name ("uk_UA.UTF-8", "en", "ru_RU@euro"); nullopt for
// a language without a translation.
std::optional<UiLanguage> Translated(std::string_view locale) {
  const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
  if (language == "uk") return UiLanguage::Ukrainian;
  if (language == "en") return UiLanguage::English;
  if (language == "ru") return UiLanguage::Russian;
  return std::nullopt;
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

UiLanguage LanguageFromLocale(const LocaleEnvironment& environment) {
  // Unlike gettext, LANGUAGE counts under the C locale too: C.UTF-8 is the default
  // of minimal and container systems, where LANGUAGE is the user's only way to ask.
  std::string_view list = environment.Language;
  while (!list.empty()) {
    const size_t colon = list.find(':');
    if (const auto language = Translated(list.substr(0, colon))) return *language;
    list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
  }
  std::string_view locale = environment.LcAll;
  if (locale.empty()) locale = environment.LcMessages;
  if (locale.empty()) locale = environment.Lang;
  return Translated(locale).value_or(UiLanguage::Russian);
}

LocaleEnvironment ReadLocaleEnvironment() {
  return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

UiLanguageChoice StoredUiLanguage(const ISettingsBackend& backend) {
  const uint32_t value = backend.ReadInt("", kUiLanguageSettingName).value_or(0);
  return value <= static_cast<uint32_t>(UiLanguageChoice::English) ? static_cast<UiLanguageChoice>(value)
                                                                   : UiLanguageChoice::Automatic;
}

void StoreUiLanguage(ISettingsBackend& backend, UiLanguageChoice choice) {
  backend.WriteInt("", kUiLanguageSettingName, static_cast<uint32_t>(choice));
}

UiLanguage ResolveUiLanguage(UiLanguageChoice choice, const LocaleEnvironment& environment) {
  switch (choice) {
    case UiLanguageChoice::Russian:
      return UiLanguage::Russian;
    case UiLanguageChoice::Ukrainian:
      return UiLanguage::Ukrainian;
    case UiLanguageChoice::English:
      return UiLanguage::English;
    case UiLanguageChoice::Automatic:
      break;
  }
  return LanguageFromLocale(environment);
}

QString LanguageCode(UiLanguage language) {
  switch (language) {
    case UiLanguage::Ukrainian:
      return QStringLiteral("uk");
    case UiLanguage::English:
      return QStringLiteral("en");
    case UiLanguage::Russian:
      break;
  }
  return QStringLiteral("ru");
}

}  // namespace vl
