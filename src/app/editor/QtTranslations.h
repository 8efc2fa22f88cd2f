#pragma once
// Qt's own texts (file dialogs, standard buttons, the edit fields' context menus)
// in Russian like the rest of the program, whatever the desktop's language.

class QCoreApplication;

namespace vl {

// Installs Qt's Russian translation from Qt's translations folder; false, and
// Qt's English texts, when it is not installed.
bool InstallQtRussian(QCoreApplication& application);

}  // namespace vl
