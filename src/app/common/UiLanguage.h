#pragma once
// The language the program's windows speak. Russian is the language the texts are
// written in; Ukrainian and English come from the translations built into the
// program. The desktop's locale decides unless the user chose a language in the
// parameters ("язык интерфейса"), which takes effect from the next start.

#include <QString>
#include <string>

namespace vl {

class ISettingsBackend;

enum class UiLanguage { Russian, Ukrainian, English };

// The choice kept in the settings; the values are what is stored.
enum class UiLanguageChoice : uint32_t { Automatic = 0, Russian = 1, Ukrainian = 2, English = 3 };

// The locale variables, in the order of their weight; empty means unset.
struct LocaleEnvironment {
  std::string Language{};    // LANGUAGE: a list such as "uk:ru"
  std::string LcAll{};       // LC_ALL
  std::string LcMessages{};  // LC_MESSAGES
  std::string Lang{};        // LANG
};

// uk gives Ukrainian, en English; ru, the C locale and every language without a
// translation give Russian. LANGUAGE's list is read first, up to its first language
// with a translation, whatever the locale (C included).
UiLanguage LanguageFromLocale(const LocaleEnvironment& environment);

LocaleEnvironment ReadLocaleEnvironment();

// The stored choice; a missing or unknown value reads as Automatic.
UiLanguageChoice StoredUiLanguage(const ISettingsBackend& backend);
void StoreUiLanguage(ISettingsBackend& backend, UiLanguageChoice choice);

UiLanguage ResolveUiLanguage(UiLanguageChoice choice, const LocaleEnvironment& environment);

// "ru", "uk" or "en": the help folder's and the translation files' suffix.
QString LanguageCode(UiLanguage language);

}  // namespace vl
