#include "app/input/ClickDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"
#include "core/input/InputWindowModel.h"
#include "core/input/PauseEditor.h"

namespace vl {

TfmClick::TfmClick(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Клик"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Выберите длительность клика для каждого уровня")));
  auto* grid = new QGridLayout;
  for (int layer = 0; layer < 4; ++layer) {
    const QString caption = tr("Длительность клика для %1-го уровня").arg(layer);
    auto* label = new QLabel(caption);
    bars_[layer] = new QSlider(Qt::Horizontal);
    bars_[layer]->setRange(0, kMaxClick);
    bars_[layer]->setTickPosition(QSlider::TicksBelow);
    bars_[layer]->setAccessibleName(caption);
    label->setBuddy(bars_[layer]);
    values_[layer] = new QLabel;
    // The text is the value a screen reader reads; the caption describes it.
    values_[layer]->setAccessibleDescription(caption);
    connect(bars_[layer], &QSlider::valueChanged, values_[layer], [this, layer](int value) {
      values_[layer]->setText(QString::fromStdString(TenthsText(value, CoreTranslator())));
    });
    grid->addWidget(label, layer * 2, 0, 1, 2);
    grid->addWidget(bars_[layer], layer * 2 + 1, 0);
    grid->addWidget(values_[layer], layer * 2 + 1, 1);
  }
  layout->addLayout(grid);
  layout->addWidget(OkCancel(this, QStringLiteral("keyinput.html#click")));
}

std::optional<std::array<int, 4>> TfmClick::Exec(const std::array<int, 4>& durations) {
  for (int layer = 0; layer < 4; ++layer) {
    bars_[layer]->setValue(durations[layer]);
    values_[layer]->setText(QString::fromStdString(TenthsText(durations[layer], CoreTranslator())));
  }
  if (exec() != QDialog::Accepted) return std::nullopt;
  std::array<int, 4> chosen{};
  for (int layer = 0; layer < 4; ++layer) chosen[layer] = bars_[layer]->value();
  return chosen;
}

}  // namespace vl
