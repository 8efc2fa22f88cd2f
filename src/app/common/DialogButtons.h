#pragma once
// The button row every dialog of the program ends with.

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace vl {

// "OK" and "Отмена" wired to accept and reject, and "Справка" opening the help
// page when one is given.
QDialogButtonBox* OkCancel(QDialog* dialog, const QString& helpPage = {});
// "Справка" in the box, opening the help page over the dialog. A plain text
// button, as in every dialog (the style's help icon may be missing from the theme).
QPushButton* AddHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& helpPage);

}  // namespace vl
