#include "app/device/ProgressDialog.h"

#include <QAudioOutput>
#include <QCloseEvent>
#include <QFormLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QMetaObject>
#include <QUrl>
#include <QVBoxLayout>

#include "app/common/CentreOnScreen.h"
#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"
#include "core/device/DeviceSession.h"

namespace vl {

TfmProgress::TfmProgress(const SettingsStore& settings, IPrompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      prompt_(prompt),
      workerPrompt_(prompt, calls_) {
  setObjectName(QStringLiteral("fmProgress"));
  // Other windows stay usable while the keyboard is programmed.
  setModal(false);
  detect_ = new TfmDetect(this);
  lbLayout_ = new QLabel;
  lbLayout_->setObjectName(QStringLiteral("lbLayout"));
  lbLayout_->setAccessibleName(tr("раскладка"));
  lbMode_ = new QLabel;
  lbMode_->setObjectName(QStringLiteral("lbMode"));
  lbMode_->setAccessibleName(tr("режим работы"));
  lbStep_ = new QLabel;
  lbStep_->setObjectName(QStringLiteral("lbStep"));
  lbStep_->setAccessibleName(tr("операция"));
  lbStep_->setMinimumWidth(300);
  pbProgress_ = new QProgressBar;
  pbProgress_->setObjectName(QStringLiteral("pbProgress"));
  pbProgress_->setRange(0, 100);
  pbProgress_->setAccessibleName(tr("Выполнено"));
  bbCancel_ = new QPushButton(tr("Отмена"));
  bbCancel_->setObjectName(QStringLiteral("bbCancel"));
  bbCancel_->setAccessibleName(tr("Отмена"));
  connect(bbCancel_, &QPushButton::clicked, this, &TfmProgress::Cancel);

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
}

TfmProgress::~TfmProgress() { StopAndWait(); }

bool TfmProgress::Start(Job job) {
  if (Running()) return false;
  job_ = std::move(job);
  gate_ = std::make_shared<CancelGate>();
  context_ = std::make_unique<Context>(Context{*this, workerPrompt_, *gate_, calls_});
  calls_.Open();
  setWindowTitle(CoreText(job_.caption));
  lbLayout_->setText(job_.layout);
  lbMode_->setText(SettingsMode(settings_) == TransferMode::Normal ? tr("нормальный (для рабочих станций)")
                                                                    : tr("защищенный (для портативных компьютеров)"));
  lbStep_->clear();
  pbProgress_->setValue(0);
  shownStatus_.clear();
  shownPosition_ = 0;
  bbCancel_->setEnabled(true);
  CentreOnScreen(*this);
  show();
  workDone_ = false;
  worker_ = std::thread([this] {
    job_.work(*context_);
    workDone_ = true;
    QMetaObject::invokeMethod(this, "WorkEnded", Qt::QueuedConnection);
  });
  emit RunningChanged(true);
  return true;
}

void TfmProgress::WorkEnded() {
  // A job that StopAndWait ended has queued its end as well: only a worker that
  // runs and is done is this call's.
  if (Running() && workDone_) Finished();
}

void TfmProgress::Finished() {
  worker_.join();
  detect_->hide();
  hide();
  const std::function<void()> finished = std::move(job_.finished);
  job_ = Job{};
  // Told before the job's end is handled, which may start the next job.
  emit RunningChanged(false);
  if (finished) finished();
}

void TfmProgress::StopAndWait() {
  if (!Running()) return;
  gate_->Stop();
  calls_.Close();
  worker_.join();
  job_ = Job{};
  detect_->hide();
  hide();
  emit RunningChanged(false);
}

void TfmProgress::Cancel() {
  if (!Running() || asking_) return;
  if (!job_.stopQuestion) {
    gate_->Stop();
    bbCancel_->setEnabled(false);
    return;
  }
  // The worker may end while the user answers, and its end may start the next
  // job: the answer is for the job it was asked about.
  const std::shared_ptr<CancelGate> gate = gate_;
  gate->Hold();
  asking_ = true;
  const Answer answer = prompt_.Ask(job_.stopQuestion, kCaptionAttention, MessageButtons::YesNo,
                                    MessageIcon::Question);
  asking_ = false;
  if (answer != Answer::No) {
    gate->Resume();
    return;
  }
  gate->Stop();
  if (gate == gate_ && Running()) bbCancel_->setEnabled(false);
}

void TfmProgress::reject() {
  // Escape is the cancel button; the window closes only when the job ends.
  Cancel();
}

void TfmProgress::closeEvent(QCloseEvent* event) {
  if (Running()) {
    event->ignore();
    Cancel();
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

void TfmProgress::SetStatus(const std::string& text) {
  // The worker names its step before every block; only a change costs a call across.
  if (text == shownStatus_) return;
  shownStatus_ = text;
  OnUi([&] { lbStep_->setText(CoreText(text)); });
}

void TfmProgress::SetProgress(int position) {
  if (position == shownPosition_) return;
  shownPosition_ = position;
  OnUi([&] { pbProgress_->setValue(position); });
}

void TfmProgress::OpenDetection(const std::string& caption, const std::string& text) {
  OnUi([&] { detect_->Open(CoreText(caption), CoreText(text)); });
}

void TfmProgress::SetAttempt(const std::string& label) {
  OnUi([&] { detect_->SetAttempt(QString::fromStdString(label)); });
}

void TfmProgress::CloseDetection() {
  OnUi([&] { detect_->hide(); });
}

}  // namespace vl
