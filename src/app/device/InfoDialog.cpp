#include "app/device/InfoDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"

namespace vl {

TfmInfo::TfmInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmInfo"));
  setWindowTitle(CoreText(kInfoCaption));
  lvInfo_ = new QTreeWidget;
  lvInfo_->setObjectName(QStringLiteral("lvInfo"));
  lvInfo_->setAccessibleName(CoreText(kInfoCaption));
  lvInfo_->setHeaderLabels({tr("Параметр"), tr("Значение")});
  lvInfo_->setRootIsDecorated(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("OK"));
  ok->setToolTip(tr("Закрыть окно"));
  ok->setAccessibleName(QStringLiteral("OK"));
  QPushButton* help = buttons->button(QDialogButtonBox::Help);
  help->setText(tr("Справка"));
  help->setAccessibleName(tr("Справка"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, QStringLiteral("device-info.html")); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvInfo_);
  layout->addWidget(buttons);
  resize(680, 330);  // wide enough for the longer Ukrainian row names beside a catalogue text
}

void TfmInfo::SetRows(const DeviceInfoTable& rows) {
  lvInfo_->clear();
  // The rows come in the language of the prompt that asked for them.
  for (const auto& [name, value] : rows)
    lvInfo_->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(name), QString::fromStdString(value)}));
  lvInfo_->resizeColumnToContents(0);
  lvInfo_->setColumnWidth(0, lvInfo_->columnWidth(0) + lvInfo_->fontMetrics().averageCharWidth() * 2);
}

}  // namespace vl
