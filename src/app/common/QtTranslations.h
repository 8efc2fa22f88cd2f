#pragma once
// The translators of the language the windows speak: the program's own texts
// (built into the program) and Qt's (file dialogs, standard buttons, the edit
// fields' context menus), whatever the desktop's language.

#include <string>

#include "app/common/UiLanguage.h"

class QCoreApplication;

namespace vl {

// Installs the program's translation (none for Russian, the texts' own language)
// and Qt's from Qt's translations folder (none for English, Qt's own). False when
// one of them is missing; its texts then stay in their original language.
bool InstallTranslations(QCoreApplication& application, UiLanguage language);

// The language of the program's installed translation, "en" or "uk"; "ru" when
// none is installed. The data files' names (NameTranslations) follow it.
std::string TranslationLanguage();

}  // namespace vl
