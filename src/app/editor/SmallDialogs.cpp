#include "app/editor/SmallDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

#include "app/editor/HelpViewer.h"
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

QValidator* NewCp1251Validator(QObject* parent) { return new Cp1251Validator(parent); }

QDialogButtonBox* OkCancel(QDialog* dialog, const QString& helpPage) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Отмена"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  if (!helpPage.isEmpty()) {
    QPushButton* help = buttons->addButton(QString::fromUtf8("Справка"), QDialogButtonBox::HelpRole);
    QObject::connect(help, &QPushButton::clicked, dialog, [dialog, helpPage] { ShowHelp(dialog, helpPage); });
  }
  return buttons;
}

TfmTextEntry::TfmTextEntry(QWidget* parent) : QDialog(parent) {
  auto* layout = new QVBoxLayout(this);
  lbPrompt_ = new QLabel;
  edText_ = new QLineEdit;
  edText_->setMinimumWidth(320);
  edText_->setValidator(NewCp1251Validator(edText_));
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
  layout->addWidget(OkCancel(this, QStringLiteral("grid.html#bookmarks")));
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
  layout->addWidget(OkCancel(this, QStringLiteral("main.html#windows")));
}

int TfmArrange::Exec() {
  if (exec() != QDialog::Accepted) return -1;
  for (int i = 0; i < 3; ++i) {
    if (rbChoice_[i]->isChecked()) return i;
  }
  return -1;
}

TfmCopyToLayers::TfmCopyToLayers(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Копировать на уровень"));
  auto* boxes = new QHBoxLayout;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    cbLayer_[layer] = new QCheckBox(QString::number(layer));
    boxes->addWidget(cbLayer_[layer]);
  }
  auto* group = new QGroupBox(QString::fromUtf8(" копировать  на уровень  "));
  group->setLayout(boxes);
  cbDelete_ = new QCheckBox(QString::fromUtf8("удалить с активного уровня"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(cbDelete_);
  layout->addWidget(OkCancel(this, QStringLiteral("grid.html#layers")));
}

std::optional<TfmCopyToLayers::Choice> TfmCopyToLayers::Exec(int shownLayer) {
  for (int layer = 0; layer < kLayerCount; ++layer) {
    cbLayer_[layer]->setEnabled(layer != shownLayer);
    cbLayer_[layer]->setChecked(false);
  }
  cbDelete_->setChecked(false);
  if (exec() != QDialog::Accepted) return std::nullopt;
  Choice choice;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    choice.Targets[static_cast<size_t>(layer)] = layer != shownLayer && cbLayer_[layer]->isChecked();
  }
  choice.DeleteFromSource = cbDelete_->isChecked();
  return choice;
}

}  // namespace vl
