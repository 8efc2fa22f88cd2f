#include "app/device/TfmProgress.h"

#include <QAudioOutput>
#include <QFormLayout>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/editor/HelpViewer.h"

#include "app/device/AppDevice.h"
#include "app/device/CentreOnScreen.h"
#include "app/device/UiThread.h"
#include "app/editor/GridWindow.h"
#include "app/editor/VL2Grid.h"
#include "core/device/Download.h"
#include "core/device/Upload.h"

namespace vl {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// The layout window hears of the worker's changes on its own thread.
class UiThreadObserver final : public IDocumentObserver {
 public:
  UiThreadObserver(IDocumentObserver* inner, QObject* context) : inner_(inner), context_(context) {}
  void OnDocumentNotification(DocumentNotification kind, int param1, int param2) override {
    if (inner_) RunOnUiThread(context_, [&] { inner_->OnDocumentNotification(kind, param1, param2); });
  }

 private:
  IDocumentObserver* inner_;
  QObject* context_;
};

}  // namespace

TfmProgress::TfmProgress(const SettingsStore& settings, IPrompt& prompt, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      settings_(settings),
      prompt_(prompt),
      workerPrompt_(prompt, this) {
  setObjectName(QStringLiteral("fmProgress"));
  setModal(true);
  detect_ = new TfmDetect(this);
  lbLayout_ = new QLabel;
  lbLayout_->setObjectName(QStringLiteral("lbLayout"));
  lbLayout_->setAccessibleName(U("раскладка"));
  lbMode_ = new QLabel;
  lbMode_->setObjectName(QStringLiteral("lbMode"));
  lbMode_->setAccessibleName(U("режим работы"));
  lbStep_ = new QLabel;
  lbStep_->setObjectName(QStringLiteral("lbStep"));
  lbStep_->setAccessibleName(U("операция"));
  lbStep_->setMinimumWidth(300);
  pbProgress_ = new QProgressBar;
  pbProgress_->setObjectName(QStringLiteral("pbProgress"));
  pbProgress_->setRange(0, 100);
  pbProgress_->setAccessibleName(U("Выполнено"));
  bbCancel_ = new QPushButton(U("Отмена"));
  bbCancel_->setObjectName(QStringLiteral("bbCancel"));
  bbCancel_->setAccessibleName(U("Отмена"));
  connect(bbCancel_, &QPushButton::clicked, this, &TfmProgress::Cancel);

  auto* form = new QFormLayout;
  form->addRow(U("раскладка"), lbLayout_);
  form->addRow(U("режим работы"), lbMode_);
  form->addRow(U("операция"), lbStep_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(pbProgress_);
  layout->addWidget(bbCancel_, 0, Qt::AlignHCenter);
  setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
          [this] { ShowHelp(this, QStringLiteral("device.html")); });
}

TfmProgress::~TfmProgress() {
  if (thread_) {
    gate_->Stop();
    thread_->wait();
  }
}

OperationResult TfmProgress::Run(OperationKind kind, TfmGrid& window, AppDevice& device) {
  kind_ = kind;
  window_ = &window;
  device_ = &device;
  result_ = OperationResult::Failed;
  gate_ = std::make_unique<CancelGate>();
  const bool download = kind == OperationKind::Download;
  setWindowTitle(U(download ? kCaptionDownload : kCaptionUpload));
  const std::string& fileName = window.Document().FileName;
  lbLayout_->setText(fileName.empty() ? window.Caption() : QString::fromStdString(fileName));
  lbMode_->setText(SettingsMode(settings_) == TransferMode::Normal ? U("нормальный (для рабочих станций)")
                                                                    : U("защищенный (для портативных компьютеров)"));
  lbStep_->clear();
  pbProgress_->setValue(0);
  shownStatus_.clear();
  shownPosition_ = 0;
  bbCancel_->setEnabled(false);
  QTimer::singleShot(0, this, &TfmProgress::Prepare);
  CentreOnScreen(*this);
  exec();
  device.KeepState();
  return result_;
}

void TfmProgress::Prepare() {
  TVL2Document& document = window_->Document();
  TfmGrid* window = window_;
  OperationRequest request{kind_, document, window_->Grid().Selection(), false,
                           [window](const std::vector<CheckRemark>& remarks) { window->ShowCheckRemarks(remarks); },
                           {},
                           [window](const TRect& fragment) {
                             window->Grid().Select(fragment.Left, fragment.Top, fragment.Right, fragment.Bottom);
                           }};
  auto prepared = PrepareOperation(device_->Access(), settings_, device_->Catalogue(), request, *this, prompt_);
  if (!prepared) {
    done(QDialog::Rejected);
    return;
  }
  prepared_ = std::make_unique<PreparedOperation>(std::move(*prepared));
  session_ = std::make_unique<DeviceSession>(DeviceSession{device_->Access(), settings_, prepared_->model,
                                                           prepared_->identity, prepared_->header, *this,
                                                           workerPrompt_, *gate_});
  owner_ = document.Owner();
  relay_ = std::make_unique<UiThreadObserver>(owner_, this);
  document.SetOwner(relay_.get());
  thread_ = QThread::create([this, &document] {
    result_ = kind_ == OperationKind::Download
                  ? RunDownload(*session_, DownloadJob{document, prepared_->selection, prepared_->placement, false})
                  : RunUpload(*session_, UploadJob{document, prepared_->selection, prepared_->placement});
  });
  connect(thread_, &QThread::finished, this, &TfmProgress::Finished);
  bbCancel_->setEnabled(true);
  thread_->start();
}

void TfmProgress::Finished() {
  thread_->wait();
  delete thread_;
  thread_ = nullptr;
  window_->Document().SetOwner(owner_);
  relay_.reset();
  bbCancel_->setEnabled(false);
  done(QDialog::Accepted);
}

void TfmProgress::Cancel() {
  if (!thread_) return;
  if (kind_ == OperationKind::Upload) {
    gate_->Stop();
    return;
  }
  gate_->Hold();
  const Answer answer = prompt_.Ask(kCancelDownloadQuestion, kCaptionAttention, MessageButtons::YesNo,
                                    MessageIcon::Question);
  if (answer == Answer::No)
    gate_->Stop();
  else
    gate_->Resume();
}

void TfmProgress::reject() {
  // Escape is the cancel button; the window closes only when the operation ends.
  Cancel();
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
  RunOnUiThread(this, [&] {
    lbStep_->setText(QString::fromStdString(text));
    lbStep_->repaint();
  });
}

void TfmProgress::SetProgress(int position) {
  if (position == shownPosition_) return;
  shownPosition_ = position;
  RunOnUiThread(this, [&] { pbProgress_->setValue(position); });
}

void TfmProgress::OpenDetection(const std::string& caption, const std::string& text) {
  RunOnUiThread(this, [&] { detect_->Open(QString::fromStdString(caption), QString::fromStdString(text)); });
}

void TfmProgress::SetAttempt(const std::string& label) {
  RunOnUiThread(this, [&] { detect_->SetAttempt(QString::fromStdString(label)); });
}

void TfmProgress::CloseDetection() {
  RunOnUiThread(this, [&] { detect_->hide(); });
}

}  // namespace vl
