#include "app/editor/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vl {

bool InstallQtRussian(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  // "qt" is the catalogue that pulls in qtbase and the other modules' texts.
  if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qt"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace vl
