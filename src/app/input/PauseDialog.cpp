#include "app/input/PauseDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"
#include "core/common/Prompt.h"
#include "core/text/ScanCode.h"

namespace vl {
namespace {

QSlider* PauseBar(const QString& caption, const QString& hint) {
  auto* bar = new QSlider(Qt::Horizontal);
  bar->setRange(0, kMaxWait);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setToolTip(hint);
  bar->setAccessibleName(caption);
  bar->setAccessibleDescription(hint);
  return bar;
}

}  // namespace

TfmPause::TfmPause(IPrompt& prompt, QWidget* parent) : QDialog(parent), prompt_(prompt) {
  setWindowTitle(tr("Паузы"));
  auto* layout = new QVBoxLayout(this);
  auto* listLabel = new QLabel(tr("Клавиши строки ввода"));
  lbKeys_ = new QListWidget;
  lbKeys_->setToolTip(tr("Список нажатых клавиш"));
  lbKeys_->setAccessibleName(listLabel->text());
  listLabel->setBuddy(lbKeys_);
  layout->addWidget(listLabel);
  layout->addWidget(lbKeys_);

  auto* bars = new QGridLayout;
  tbBefore_ = PauseBar(tr("Перед"), tr("Значение паузы перед нажатием"));
  tbAfter_ = PauseBar(tr("После"), tr("Значение паузы перед отжатием"));
  lbBefore_ = new QLabel;
  lbAfter_ = new QLabel;
  // The labels' texts are the values a screen reader reads; the captions describe them.
  lbBefore_->setAccessibleDescription(tr("Перед"));
  lbAfter_->setAccessibleDescription(tr("После"));
  bars->addWidget(new QLabel(tr("Перед")), 0, 0);
  bars->addWidget(tbBefore_, 0, 1);
  bars->addWidget(lbBefore_, 0, 2);
  bars->addWidget(new QLabel(tr("После")), 1, 0);
  bars->addWidget(tbAfter_, 1, 1);
  bars->addWidget(lbAfter_, 1, 2);
  layout->addLayout(bars);
  layout->addWidget(OkCancel(this, QStringLiteral("keyinput.html#pauses")));

  connect(lbKeys_, &QListWidget::currentRowChanged, this, &TfmPause::ShowKey);
  connect(tbBefore_, &QSlider::valueChanged, this, [this](int value) { Move(false, value); });
  connect(tbAfter_, &QSlider::valueChanged, this, [this](int value) { Move(true, value); });
}

std::optional<std::string> TfmPause::Exec(const std::string& sequence, size_t capacity,
                                          KeyLanguage language, LockStates start) {
  editor_ = std::make_unique<PauseEditor>(sequence, capacity, language, start);
  {
    const QSignalBlocker blocker(lbKeys_);
    lbKeys_->clear();
    for (const PauseKey& key : editor_->Keys()) lbKeys_->addItem(QString::fromStdString(key.Text));
  }
  lbKeys_->setCurrentRow(editor_->Keys().empty() ? -1 : 0);
  ShowKey();
  const bool accepted = exec() == QDialog::Accepted;
  std::optional<std::string> result;
  if (accepted && editor_->Changed()) result = editor_->Sequence();
  editor_.reset();
  return result;
}

void TfmPause::ShowKey() {
  const int key = lbKeys_->currentRow();
  const bool valid = editor_ && key >= 0;
  tbBefore_->setEnabled(valid && editor_->Keys()[key].Make >= 0);
  tbAfter_->setEnabled(valid && editor_->Keys()[key].Break >= 0);
  showing_ = true;
  tbBefore_->setValue(valid ? editor_->Pause(key, false) : 0);
  tbAfter_->setValue(valid ? editor_->Pause(key, true) : 0);
  showing_ = false;
  ShowValues();
}

void TfmPause::ShowValues() {
  lbBefore_->setText(QString::fromStdString(TenthsText(tbBefore_->value(), CoreTranslator())));
  lbAfter_->setText(QString::fromStdString(TenthsText(tbAfter_->value(), CoreTranslator())));
}

void TfmPause::Move(bool beforeBreak, int value) {
  ShowValues();
  if (showing_ || !editor_ || lbKeys_->currentRow() < 0) return;
  if (!editor_->SetPause(lbKeys_->currentRow(), beforeBreak, value)) {
    prompt_.Message(beforeBreak ? kReleasePauseTooLongMessage : kPressPauseTooLongMessage,
                    kCaptionAttention, MessageIcon::Warning);
    showing_ = true;
    tbBefore_->setValue(0);
    tbAfter_->setValue(0);
    showing_ = false;
    ShowValues();
  }
}

}  // namespace vl
