#include "app/device/ProgressDialog.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "app/common/CentreOnScreen.h"
#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"
#include "app/device/JobRunner.h"
#include "core/device/DeviceSession.h"

namespace vl {

TfmProgress::TfmProgress(JobRunner& runner, const SettingsStore& settings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      runner_(runner),
      settings_(settings) {
  setObjectName(QStringLiteral("fmProgress"));
  setWindowModality(Qt::ApplicationModal);
  detect_ = new TfmDetect(this);
  // The value labels are read by their values, the caption beside each as its description.
  lbLayout_ = new QLabel;
  lbLayout_->setObjectName(QStringLiteral("lbLayout"));
  lbLayout_->setAccessibleDescription(tr("раскладка"));
  lbMode_ = new QLabel;
  lbMode_->setObjectName(QStringLiteral("lbMode"));
  lbMode_->setAccessibleDescription(tr("режим работы"));
  lbStep_ = new QLabel;
  lbStep_->setObjectName(QStringLiteral("lbStep"));
  lbStep_->setAccessibleDescription(tr("операция"));
  lbStep_->setMinimumWidth(300);
  pbProgress_ = new QProgressBar;
  pbProgress_->setObjectName(QStringLiteral("pbProgress"));
  pbProgress_->setRange(0, 100);
  pbProgress_->setAccessibleName(tr("Выполнено"));
  bbCancel_ = new QPushButton(tr("Отмена"));
  bbCancel_->setObjectName(QStringLiteral("bbCancel"));
  bbCancel_->setAccessibleName(tr("Отмена"));
  connect(bbCancel_, &QPushButton::clicked, &runner_, &JobRunner::Cancel);

  auto* form = new QFormLayout;
  form->addRow(tr("раскладка"), lbLayout_);
  form->addRow(tr("режим работы"), lbMode_);
  form->addRow(tr("операция"), lbStep_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(pbProgress_);
  layout->addWidget(bbCancel_, 0, Qt::AlignHCenter);
  setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          [this] { ShowHelp(this, QStringLiteral("device.html")); });

  connect(&runner_, &JobRunner::RunningChanged, this, &TfmProgress::Follow);
  connect(&runner_, &JobRunner::StatusChanged, lbStep_, &QLabel::setText);
  connect(&runner_, &JobRunner::PositionChanged, pbProgress_, &QProgressBar::setValue);
  connect(&runner_, &JobRunner::StopDecided, this, [this] { bbCancel_->setEnabled(false); });
  connect(&runner_, &JobRunner::DetectionOpened, detect_, &TfmDetect::Open);
  connect(&runner_, &JobRunner::AttemptChanged, detect_, &TfmDetect::SetAttempt);
  connect(&runner_, &JobRunner::DetectionClosed, detect_, &QWidget::hide);
}

void TfmProgress::Follow(bool running) {
  if (!running) {
    detect_->hide();
    hide();
    return;
  }
  const JobRunner::Job& job = runner_.Current();
  setWindowTitle(CoreText(job.caption));
  lbLayout_->setText(job.layout);
  lbMode_->setText(SettingsMode(settings_) == TransferMode::Normal ? tr("нормальный (для рабочих станций)")
                                                                    : tr("защищенный (для портативных компьютеров)"));
  lbStep_->clear();
  pbProgress_->setValue(0);
  bbCancel_->setEnabled(true);
  CentreOnScreen(*this);
  show();
  raise();
  activateWindow();
  bbCancel_->setFocus(Qt::ActiveWindowFocusReason);
}

void TfmProgress::reject() {
  // Escape is the cancel button; the window closes only when the job ends.
  runner_.Cancel();
}

void TfmProgress::closeEvent(QCloseEvent* event) {
  if (runner_.Running()) {
    event->ignore();
    runner_.Cancel();
    return;
  }
  QDialog::closeEvent(event);
}

void TfmProgress::PlaySound() {
  if (player_) player_->stop();
  const QString file = QString::fromStdString(settings_.AudioFile());
  if (file.isEmpty()) return;
  // The media back end is started only for a sound to play: where the desktop
  // has no audio it must not stand in the way of a download.
  if (!player_) {
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(new QAudioOutput(this));
  }
  player_->setSource(QUrl::fromLocalFile(file));
  player_->play();
}

}  // namespace vl
