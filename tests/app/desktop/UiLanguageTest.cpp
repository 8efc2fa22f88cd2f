#include <QtTest>

#include "app/common/UiLanguage.h"
#include "core/settings/SettingsBackend.h"

namespace vl {
namespace {

struct Case {
  const char* name;
  LocaleEnvironment environment;
  UiLanguage language;
};

}  // namespace

class UiLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void LocaleChoosesTheLanguage() {
    const Case cases[] = {
        {"nothing set", {}, UiLanguage::Russian},
        {"Ukrainian LANG", {.Lang = "uk_UA.UTF-8"}, UiLanguage::Ukrainian},
        {"English LANG", {.Lang = "en_GB.UTF-8"}, UiLanguage::English},
        {"bare language", {.Lang = "en"}, UiLanguage::English},
        {"Russian with a modifier", {.Lang = "ru_RU@euro"}, UiLanguage::Russian},
        {"no translation", {.Lang = "de_DE.UTF-8"}, UiLanguage::Russian},
        {"C locale", {.Lang = "C.UTF-8"}, UiLanguage::Russian},
        {"not a language at all", {.Lang = "ukrainian"}, UiLanguage::Russian},
        {"LC_MESSAGES over LANG", {.LcMessages = "uk_UA.UTF-8", .Lang = "en_US.UTF-8"}, UiLanguage::Ukrainian},
        {"LC_ALL over the rest", {.LcAll = "en_US.UTF-8", .LcMessages = "uk_UA", .Lang = "ru_RU"}, UiLanguage::English},
        {"LANGUAGE over the locale", {.Language = "uk", .Lang = "en_US.UTF-8"}, UiLanguage::Ukrainian},
        {"LANGUAGE's first translated entry",
         {.Language = "de:fr:en_GB:uk", .Lang = "de_DE.UTF-8"},
         UiLanguage::English},
        {"LANGUAGE without a translation", {.Language = "de:fr", .Lang = "uk_UA.UTF-8"}, UiLanguage::Ukrainian},
        {"LANGUAGE with an empty entry", {.Language = ":en", .Lang = "ru_RU.UTF-8"}, UiLanguage::English},
        // LANGUAGE counts under the C locale, the default of containers.
        {"LANGUAGE under C", {.Language = "uk", .LcAll = "C"}, UiLanguage::Ukrainian},
        {"LANGUAGE under C.UTF-8", {.Language = "en", .Lang = "C.UTF-8"}, UiLanguage::English},
        {"LANGUAGE under POSIX", {.Language = "en", .LcMessages = "POSIX"}, UiLanguage::English},
        {"LANGUAGE without any locale", {.Language = "en"}, UiLanguage::English},
        {"LANGUAGE untranslated under C", {.Language = "de", .Lang = "C.UTF-8"}, UiLanguage::Russian},
    };
    for (const Case& c : cases) QVERIFY2(LanguageFromLocale(c.environment) == c.language, c.name);
  }

  void ChoiceOverridesTheLocaleAndGarbageReadsAsAutomatic() {
    const LocaleEnvironment ukrainian{.Lang = "uk_UA.UTF-8"};
    MemorySettingsBackend backend;
    QVERIFY(StoredUiLanguage(backend) == UiLanguageChoice::Automatic);
    QVERIFY(ResolveUiLanguage(StoredUiLanguage(backend), ukrainian) == UiLanguage::Ukrainian);
    StoreUiLanguage(backend, UiLanguageChoice::English);
    QVERIFY(ResolveUiLanguage(StoredUiLanguage(backend), ukrainian) == UiLanguage::English);
    StoreUiLanguage(backend, UiLanguageChoice::Russian);
    QVERIFY(ResolveUiLanguage(StoredUiLanguage(backend), ukrainian) == UiLanguage::Russian);
    // The setting wins over LANGUAGE too, under a C locale as under any other.
    StoreUiLanguage(backend, UiLanguageChoice::Ukrainian);
    QVERIFY(ResolveUiLanguage(StoredUiLanguage(backend), {.Language = "en", .Lang = "C.UTF-8"}) ==
            UiLanguage::Ukrainian);
    backend.WriteInt("", "interface language", 4);
    QVERIFY(StoredUiLanguage(backend) == UiLanguageChoice::Automatic);
    backend.WriteString("", "interface language", "English");
    QVERIFY(StoredUiLanguage(backend) == UiLanguageChoice::Automatic);
  }
};

int RunUiLanguageTest(int argc, char** argv) {
  UiLanguageTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "UiLanguageTest.moc"
