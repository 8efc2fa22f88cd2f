#include "app/device/DetectDialog.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "app/common/CentreOnScreen.h"

namespace vl {

TfmDetect::TfmDetect(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("fmDetect"));
  stInfo_ = new QLabel;
  stInfo_->setObjectName(QStringLiteral("stInfo"));
  stInfo_->setAlignment(Qt::AlignCenter);
  stInfo_->setWordWrap(true);
  stInfo_->setAccessibleName(tr("Определение"));
  lbRepeat_ = new QLabel(tr("1-я попытка"));
  lbRepeat_->setObjectName(QStringLiteral("lbRepeat"));
  lbRepeat_->setAlignment(Qt::AlignCenter);
  lbRepeat_->setAccessibleName(tr("Попытка"));
  auto* bevel = new QFrame;
  bevel->setFrameShape(QFrame::StyledPanel);
  bevel->setFrameShadow(QFrame::Sunken);
  auto* inner = new QVBoxLayout(bevel);
  inner->addWidget(stInfo_);
  inner->addWidget(lbRepeat_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bevel);
  setFixedSize(320, 110);
}

void TfmDetect::Open(const QString& caption, const QString& text) {
  setWindowTitle(caption);
  stInfo_->setText(text);
  lbRepeat_->setText(tr("1-я попытка"));
  CentreOnScreen(*this);
  show();
  repaint();
}

void TfmDetect::SetAttempt(const QString& label) {
  lbRepeat_->setText(label);
  lbRepeat_->repaint();
}

}  // namespace vl
