#include "app/editor/KeyListDialog.h"

#include <QListWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/editor/SmallDialogs.h"

namespace vl {

TfmKeyList::TfmKeyList(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  lbKeys_ = new QListWidget;
  lbKeys_->setToolTip(QString::fromUtf8("Список клавиш"));
  lbKeys_->setAccessibleName(QString::fromUtf8("Клавиши стандартной клавиатуры"));
  for (const ListedKey& key : StandardKeys()) lbKeys_->addItem(QString::fromUtf8(key.Name));
  layout->addWidget(lbKeys_);
  layout->addWidget(OkCancel(this, QStringLiteral("keyinput.html#keylist")));
  connect(lbKeys_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<ListedKey> TfmKeyList::Exec(const QString& caption) {
  setWindowTitle(caption);
  if (lbKeys_->currentRow() < 0) lbKeys_->setCurrentRow(0);
  lbKeys_->setFocus();
  if (exec() != QDialog::Accepted || lbKeys_->currentRow() < 0) return std::nullopt;
  return StandardKeys()[static_cast<size_t>(lbKeys_->currentRow())];
}

}  // namespace vl
