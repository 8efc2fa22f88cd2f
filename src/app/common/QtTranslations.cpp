#include "app/common/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vl {

namespace {

const QString kProgramTranslation = QStringLiteral("velmorando_");

bool Install(QCoreApplication& application, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) return true;
  delete translator;
  return false;
}

}  // namespace

bool InstallTranslations(QCoreApplication& application, UiLanguage language) {
  const QString code = LanguageCode(language);
  bool complete = true;
  // "qt" is the catalogue that pulls in qtbase and the other modules' texts.
  if (language != UiLanguage::English) {
    complete = Install(application, QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  if (language != UiLanguage::Russian) {
    complete = Install(application, kProgramTranslation + code, QStringLiteral(":/i18n")) && complete;
  }
  return complete;
}

std::string TranslationLanguage() {
  const QCoreApplication* application = QCoreApplication::instance();
  if (application != nullptr) {
    for (const QTranslator* translator : application->findChildren<QTranslator*>()) {
      // language() is the translation file's, "en_US" or "uk_UA".
      if (translator->filePath().contains(kProgramTranslation)) return translator->language().left(2).toStdString();
    }
  }
  return "ru";
}

}  // namespace vl
