#include "app/catalogue/TemplateDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/common/DialogButtons.h"

namespace vl {

TemplateDialog::TemplateDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Создать"));
  lbTemplates_ = new QListWidget;
  lbTemplates_->setMinimumSize(360, 220);
  lbTemplates_->setAccessibleName(tr("Выберите раскладку"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Выберите раскладку")));
  layout->addWidget(lbTemplates_);
  layout->addWidget(OkCancel(this, QStringLiteral("new.html")));
  connect(lbTemplates_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TemplateDialog::Exec(const QStringList& names) {
  lbTemplates_->clear();
  lbTemplates_->addItems(names);
  lbTemplates_->setCurrentRow(0);
  lbTemplates_->setFocus();
  if (exec() != QDialog::Accepted) return -1;
  return lbTemplates_->currentRow();
}

}  // namespace vl
