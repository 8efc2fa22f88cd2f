#pragma once
// The button row every dialog of the program ends with.

#include <QString>

class QDialog;
class QDialogButtonBox;

namespace vl {

// "OK" and "Отмена" wired to accept and reject, and "Справка" opening the help
// page when one is given.
QDialogButtonBox* OkCancel(QDialog* dialog, const QString& helpPage = {});

}  // namespace vl
