#include "app/editor/KeyListDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/editor/DialogButtons.h"

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

int TitleWidth(const QString& caption) {
  // The title bar's text in the desktop's title font (the application's where
  // unknown), beside the window's buttons and icon.
  constexpr int kTitleBarExtras = 140;
  const QFont font = QApplication::font("QMdiSubWindowTitleBar");
  return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarExtras;
}

std::optional<ListedKey> TfmKeyList::Exec(const QString& caption) {
  setWindowTitle(caption);
  setMinimumWidth(TitleWidth(caption));
  if (lbKeys_->currentRow() < 0) lbKeys_->setCurrentRow(0);
  lbKeys_->setFocus();
  if (exec() != QDialog::Accepted || lbKeys_->currentRow() < 0) return std::nullopt;
  return StandardKeys()[static_cast<size_t>(lbKeys_->currentRow())];
}

}  // namespace vl
