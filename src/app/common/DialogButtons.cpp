#include "app/common/DialogButtons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "app/common/HelpViewer.h"

namespace vl {

QDialogButtonBox* OkCancel(QDialog* dialog, const QString& helpPage) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("vl::DialogButtons", "Отмена"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (!helpPage.isEmpty()) AddHelpButton(buttons, dialog, helpPage);
  return buttons;
}

QPushButton* AddHelpButton(QDialogButtonBox* buttons, QDialog* dialog, const QString& helpPage) {
  QPushButton* help =
      buttons->addButton(QCoreApplication::translate("vl::DialogButtons", "Справка"), QDialogButtonBox::HelpRole);
  QObject::connect(help, &QPushButton::clicked, dialog, [dialog, helpPage] { ShowHelp(dialog, helpPage); });
  return help;
}

}  // namespace vl
