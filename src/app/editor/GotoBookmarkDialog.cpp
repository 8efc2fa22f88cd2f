#include "app/editor/GotoBookmarkDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/common/DialogButtons.h"

namespace vl {

TfmGotoBookmark::TfmGotoBookmark(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Перейти к закладке"));
  auto* layout = new QVBoxLayout(this);
  lbNames_ = new QListWidget;
  lbNames_->setSortingEnabled(true);
  lbNames_->setAccessibleName(tr("Закладки"));
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

}  // namespace vl
