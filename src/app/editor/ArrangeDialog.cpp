#include "app/editor/ArrangeDialog.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/editor/DialogButtons.h"

namespace vl {

TfmArrange::TfmArrange(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf8("Расположение окон"));
  auto* layout = new QVBoxLayout(this);
  const char* captions[3] = {"cверху вниз", "cлева направо", "каскадом"};
  for (int i = 0; i < 3; ++i) {
    rbChoice_[i] = new QRadioButton(QString::fromUtf8(captions[i]));
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
