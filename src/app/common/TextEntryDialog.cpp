#include "app/common/TextEntryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/common/Cp1251Validator.h"
#include "app/common/DialogButtons.h"

namespace vl {

TfmTextEntry::TfmTextEntry(QWidget* parent) : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  lbPrompt_ = new QLabel;
  edText_ = new QLineEdit;
  edText_->setMinimumWidth(320);
  edText_->setValidator(new Cp1251Validator(edText_));
  lbPrompt_->setBuddy(edText_);
  layout->addWidget(lbPrompt_);
  layout->addWidget(edText_);
  layout->addWidget(OkCancel(this));
}

QString TfmTextEntry::Exec(const QString& caption, const QString& prompt, const QString& initial,
                           int maxLength) {
  setWindowTitle(caption);
  edText_->setAccessibleName(caption);
  lbPrompt_->setText(prompt);
  lbPrompt_->setVisible(!prompt.isEmpty());
  edText_->setMaxLength(maxLength);
  edText_->setText(initial);
  edText_->selectAll();
  edText_->setFocus();
  return exec() == QDialog::Accepted ? edText_->text() : QString();
}

}  // namespace vl
