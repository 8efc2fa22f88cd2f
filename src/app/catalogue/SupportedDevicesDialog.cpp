#include "app/catalogue/SupportedDevicesDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/DeviceDescription.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/ProgramFile.h"
#include "core/common/FileErrors.h"
#include "core/text/Cp1251.h"

namespace vl {

SupportedDevicesDialog::SupportedDevicesDialog(QString dataFolder, QWidget* parent)
    : QDialog(parent), dataFolder_(std::move(dataFolder)) {
  setWindowTitle(tr("Поддерживаемые устройства"));
  lbSeries_ = new QListWidget;
  lbSeries_->setSortingEnabled(true);
  lbSeries_->setMaximumWidth(110);
  mmDescription_ = new QPlainTextEdit;
  mmDescription_->setReadOnly(true);
  mmDescription_->setMinimumSize(380, 330);
  lbSeries_->setAccessibleName(tr("Серия"));
  mmDescription_->setAccessibleName(tr("Описание"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(tr("Серия")), 0, 0);
  layout->addWidget(new QLabel(tr("Описание")), 0, 1);
  layout->addWidget(lbSeries_, 1, 0);
  layout->addWidget(mmDescription_, 1, 1);
  layout->addWidget(OkCancel(this, QStringLiteral("devices.html")), 2, 0, 1, 2);
  connect(lbSeries_, &QListWidget::currentRowChanged, this, &SupportedDevicesDialog::Describe);
  connect(lbSeries_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

SupportedDevicesDialog::~SupportedDevicesDialog() = default;

int SupportedDevicesDialog::Exec() {
  Load();
  return exec();
}

void SupportedDevicesDialog::Load() {
  lbSeries_->clear();
  mmDescription_->clear();
  try {
    catalogue_ = std::make_unique<IniFile>(
        IniFile::Load(ProgramFilePath(dataFolder_.toStdString(), kCatalogueFileName).string()));
  } catch (const FileReadError&) {
    catalogue_ = std::make_unique<IniFile>();  // no catalogue: an empty list
  }
  for (const std::string& section : SortedDeviceSections(*catalogue_)) {
    lbSeries_->addItem(QString::fromStdString(Cp1251ToUtf8(section)));
  }
  lbSeries_->setCurrentRow(0);
}

void SupportedDevicesDialog::Describe() {
  const QString section = SelectedSection();
  if (section.isEmpty() || !catalogue_) {
    mmDescription_->clear();
    return;
  }
  QStringList lines;
  for (const std::string& line : DescribeDevice(*catalogue_, Utf8ToCp1251Lossy(section.toStdString()), CoreTranslator())) {
    lines << QString::fromStdString(line);
  }
  mmDescription_->setPlainText(lines.join('\n'));
}

QString SupportedDevicesDialog::SelectedSection() const {
  const QListWidgetItem* item = lbSeries_->currentItem();
  return item ? item->text() : QString();
}

void SupportedDevicesDialog::hideEvent(QHideEvent* event) {
  catalogue_.reset();
  QDialog::hideEvent(event);
}

}  // namespace vl
