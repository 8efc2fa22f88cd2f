#include "app/editor/TextEntryDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QVBoxLayout>

#include "app/editor/DialogButtons.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

// Layout texts are code page 1251: a character it cannot hold is refused as it
// is typed rather than stored as a substitute.
class Cp1251Validator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return Utf8ToCp1251(input.toStdString()) ? Acceptable : Invalid;
  }
};

}  // namespace

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
