#include "app/device/CompareDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"

namespace vl {
namespace {

QString Joined(const std::vector<std::string>& names) {
  QStringList list;
  for (const std::string& name : names) list << CoreText(name);
  return list.join(QStringLiteral(", "));
}

// Where a key's row keeps its cell.
constexpr int kColumnRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;

}  // namespace

TfmCompare::TfmCompare(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fmCompare"));
  setWindowTitle(tr("Сравнение с устройством"));
  summary_ = new QLabel;
  summary_->setAccessibleName(tr("Итог сравнения"));
  list_ = new QTreeWidget;
  list_->setObjectName(QStringLiteral("lvDifferences"));
  list_->setAccessibleName(tr("Различия"));
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({tr("Клавиша или дорожка"), tr("Слой"), tr("Различия")});
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &TfmCompare::Choose);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
  buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Закрыть"));
  buttons->button(QDialogButtonBox::Help)->setText(tr("Справка"));
  buttons->button(QDialogButtonBox::Help)->setAccessibleName(tr("Справка"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::Help), &QPushButton::clicked, this,
          [this] { ShowHelp(this, QStringLiteral("device.html")); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(620, 360);
}

void TfmCompare::ShowComparison(const QString& layoutName, const KeyboardComparison& comparison,
                                const QString& field) {
  setWindowTitle(tr("Сравнение с устройством: %1").arg(layoutName));
  list_->clear();
  for (const KeyDifference& difference : comparison.keys) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, QString::fromStdString(DifferencePlace(difference, CoreTranslator())));
    item->setText(1, difference.Layer == kWholeKey ? QString() : QString::number(difference.Layer));
    item->setText(2, Joined(DifferenceNames(difference.What)));
    item->setData(0, kColumnRole, difference.Column);
    item->setData(0, kRowRole, difference.Row);
  }
  for (const TrackDifference& difference : comparison.tracks) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, tr("дорожка %1").arg(difference.Track));
    item->setText(2, Joined(TrackDifferenceNames(difference.What)));
  }
  const int count = list_->topLevelItemCount();
  const QString summary = count == 0 ? tr("Раскладки совпадают.") : tr("Различий: %1.").arg(count);
  summary_->setText(field.isEmpty() ? summary : field + QLatin1Char(' ') + summary);
  show();
  raise();
  activateWindow();
}

void TfmCompare::Choose(QTreeWidgetItem* item) {
  const QVariant column = item->data(0, kColumnRole);
  if (column.isValid()) emit KeyChosen(column.toInt(), item->data(0, kRowRole).toInt());
}

}  // namespace vl
