#include "app/device/TfmInfo.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/editor/HelpViewer.h"

namespace vl {

TfmInfo::TfmInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmInfo"));
  setWindowTitle(QString::fromUtf8(kInfoCaption));
  lvInfo_ = new QTreeWidget;
  lvInfo_->setObjectName(QStringLiteral("lvInfo"));
  lvInfo_->setAccessibleName(QString::fromUtf8(kInfoCaption));
  lvInfo_->setHeaderLabels({QString::fromUtf8("Параметр"), QString::fromUtf8("Значение")});
  lvInfo_->setRootIsDecorated(false);
  lvInfo_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Help);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(QStringLiteral("OK"));
  ok->setToolTip(QString::fromUtf8("Закрыть окно"));
  ok->setAccessibleName(QStringLiteral("OK"));
  QPushButton* help = buttons->button(QDialogButtonBox::Help);
  help->setText(QString::fromUtf8("Справка"));
  help->setAccessibleName(QString::fromUtf8("Справка"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, QStringLiteral("device-info.html")); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvInfo_);
  layout->addWidget(buttons);
  resize(520, 330);
}

void TfmInfo::SetRows(const DeviceInfoTable& rows) {
  lvInfo_->clear();
  for (const auto& [name, value] : rows)
    lvInfo_->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(name), QString::fromStdString(value)}));
}

}  // namespace vl
