#include "app/editor/CopyToLayersDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/common/DialogButtons.h"

namespace vl {

TfmCopyToLayers::TfmCopyToLayers(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Копировать на уровень"));
  auto* boxes = new QHBoxLayout;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    cbLayer_[layer] = new QCheckBox(QString::number(layer));
    boxes->addWidget(cbLayer_[layer]);
  }
  auto* group = new QGroupBox(tr(" копировать  на уровень  "));
  group->setLayout(boxes);
  cbDelete_ = new QCheckBox(tr("удалить с активного уровня"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(cbDelete_);
  layout->addWidget(OkCancel(this, QStringLiteral("grid.html#layers")));
}

std::optional<TfmCopyToLayers::Choice> TfmCopyToLayers::Exec(int shownLayer) {
  for (int layer = 0; layer < kLayerCount; ++layer) {
    cbLayer_[layer]->setEnabled(layer != shownLayer);
    cbLayer_[layer]->setChecked(false);
  }
  cbDelete_->setChecked(false);
  if (exec() != QDialog::Accepted) return std::nullopt;
  Choice choice;
  for (int layer = 0; layer < kLayerCount; ++layer) {
    choice.Targets[static_cast<size_t>(layer)] = layer != shownLayer && cbLayer_[layer]->isChecked();
  }
  choice.DeleteFromSource = cbDelete_->isChecked();
  return choice;
}

}  // namespace vl
