#include "app/editor/ArrangeDialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/common/DialogButtons.h"

namespace vl {

TfmArrange::TfmArrange(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Расположение окон"));
  auto* layout = new QVBoxLayout(this);
  const char* captions[3] = {QT_TR_NOOP("cверху вниз"), QT_TR_NOOP("cлева направо"), QT_TR_NOOP("каскадом")};
  for (int i = 0; i < 3; ++i) {
    rbChoice_[i] = new QRadioButton(tr(captions[i]));
    layout->addWidget(rbChoice_[i]);
  }
  rbChoice_[kCascade]->setChecked(true);
  layout->addWidget(OkCancel(this, QStringLiteral("main.html#windows")));
}

int TfmArrange::Exec() {
  if (exec() != QDialog::Accepted) return -1;
  for (int i = 0; i < 3; ++i) {
    if (rbChoice_[i]->isChecked()) return i;
  }
  return -1;
}

}  // namespace vl
