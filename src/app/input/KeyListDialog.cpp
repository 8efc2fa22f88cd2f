#include "app/input/KeyListDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QListWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"

namespace vl {

TfmKeyList::TfmKeyList(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  lbKeys_ = new QListWidget;
  lbKeys_->setToolTip(tr("Список клавиш"));
  lbKeys_->setAccessibleName(tr("Клавиши стандартной клавиатуры"));
  for (const ListedKey& key : StandardKeys()) lbKeys_->addItem(CoreText(key.Name));
  layout->addWidget(lbKeys_);
  layout->addWidget(OkCancel(this, QStringLiteral("keyinput.html#keylist")));
  connect(lbKeys_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int TitleWidth(const QString& caption) {
  // The desktop shows the program's name after the caption, in its bold title
  // font, beside the window's buttons and icon.
  constexpr int kTitleBarExtras = 120;
  const QString shown = caption + QString::fromUtf8(" \u2014 ") + QGuiApplication::applicationDisplayName();
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(shown) + kTitleBarExtras;
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
