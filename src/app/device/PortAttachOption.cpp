#include "app/device/PortAttachOption.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>

#include "app/device/PortHelper.h"

namespace vl {

PortAttachOption::PortAttachOption(QDialog& dialog, QWidget& page, ISettingsBackend& backend)
    : QObject(&dialog), backend_(backend) {
  auto* group = new QGroupBox(tr("Порт клавиатуры"));
  group->setAccessibleName(group->title());
  cbAttachPort_ = new QCheckBox(tr("подключать порт на время загрузки и возвращать клавиатуре"));
  cbAttachPort_->setObjectName(QStringLiteral("cbAttachPort"));
  cbAttachPort_->setAccessibleName(cbAttachPort_->text());
  (new QVBoxLayout(group))->addWidget(cbAttachPort_);

  QLayout* target = page.layout();
  if (auto* columns = qobject_cast<QBoxLayout*>(target);
      columns && columns->direction() == QBoxLayout::LeftToRight && columns->count() > 0 &&
      qobject_cast<QBoxLayout*>(columns->itemAt(0)->layout())) {
    target = columns->itemAt(0)->layout();
  }
  if (target) {
    target->addWidget(group);
  } else {
    (new QVBoxLayout(&page))->addWidget(group);
  }
  dialog.installEventFilter(this);
  connect(&dialog, &QDialog::accepted, this,
          [this] { SetAttachPortForDownload(backend_, cbAttachPort_->isChecked()); });
}

bool PortAttachOption::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) cbAttachPort_->setChecked(AttachPortForDownload(backend_));
  return QObject::eventFilter(watched, event);
}

}  // namespace vl
