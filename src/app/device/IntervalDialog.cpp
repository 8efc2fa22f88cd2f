#include "app/device/IntervalDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"
#include "core/device/Interval.h"

namespace vl {

IntervalDialog::IntervalDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmIBD"));
  setWindowTitle(tr("Интервал"));
  auto* text = new QLabel(tr("Выберите интервал между посылаемыми устройством SCAN-кодами (мc)"));
  text->setWordWrap(true);
  cbIBD_ = new QComboBox;
  cbIBD_->setObjectName(QStringLiteral("cbIBD"));
  for (int item = 0; item < kIntervalItems; ++item) cbIBD_->addItem(QString::fromStdString(IntervalItemText(item, CoreTranslator())));
  cbIBD_->setToolTip(tr("Значение временного интервала между SCAN-кодами (в миллисекундах)"));
  cbIBD_->setAccessibleName(text->text());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отменa"));
  buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Отменa"));
  buttons->button(QDialogButtonBox::Help)->setText(tr("Справка"));
  buttons->button(QDialogButtonBox::Help)->setAccessibleName(tr("Справка"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::Help), &QPushButton::clicked, this,
          [this] { ShowHelp(this, QStringLiteral("interval.html")); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(cbIBD_);
  layout->addWidget(buttons);
}

std::optional<int> IntervalDialog::Choose() {
  cbIBD_->setCurrentIndex(1);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return cbIBD_->currentIndex();
}

}  // namespace vl
