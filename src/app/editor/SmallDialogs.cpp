#include "app/editor/SmallDialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vl {

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Отмена"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

TfmTextEntry::TfmTextEntry(QWidget* parent) : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  lbPrompt_ = new QLabel;
  edText_ = new QLineEdit;
  edText_->setMinimumWidth(320);
  layout->addWidget(lbPrompt_);
  layout->addWidget(edText_);
  layout->addWidget(OkCancel(this));
}

QString TfmTextEntry::Exec(const QString& caption, const QString& prompt, const QString& initial,
                           int maxLength, bool password) {
  setWindowTitle(caption);
  lbPrompt_->setText(prompt);
  lbPrompt_->setVisible(!prompt.isEmpty());
  edText_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
  edText_->setMaxLength(maxLength);
  edText_->setText(initial);
  edText_->selectAll();
  edText_->setFocus();
  return exec() == QDialog::Accepted ? edText_->text() : QString();
}

TfmGotoBookmark::TfmGotoBookmark(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Перейти к закладке"));
  auto* layout = new QVBoxLayout(this);
  lbNames_ = new QListWidget;
  lbNames_->setSortingEnabled(true);
  layout->addWidget(lbNames_);
  layout->addWidget(OkCancel(this));
  connect(lbNames_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString TfmGotoBookmark::Exec(QStringList names) {
  lbNames_->clear();
  lbNames_->addItems(names);
  lbNames_->setCurrentRow(0);
  if (exec() != QDialog::Accepted || !lbNames_->currentItem()) return QString();
  return lbNames_->currentItem()->text();
}

TfmArrange::TfmArrange(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Расположение окон"));
  auto* layout = new QVBoxLayout(this);
  const char* captions[3] = {"cверху вниз", "cлева направо", "каскадом"};
  for (int i = 0; i < 3; ++i) {
    rbChoice_[i] = new QRadioButton(QString::fromUtf8(captions[i]));
    layout->addWidget(rbChoice_[i]);
  }
  rbChoice_[2]->setChecked(true);
  layout->addWidget(OkCancel(this));
}

int TfmArrange::Exec() {
  if (exec() != QDialog::Accepted) return -1;
  for (int i = 0; i < 3; ++i) {
    if (rbChoice_[i]->isChecked()) return i;
  }
  return -1;
}

}  // namespace vl
