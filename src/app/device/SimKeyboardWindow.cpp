#include "app/device/SimKeyboardWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/device/SimKeyField.h"
#include "app/device/SimulatedKeyboard.h"
#include "app/common/HelpViewer.h"
#include "sim/CardSwipe.h"

namespace vl {

namespace {

constexpr uint8_t kNumLockLed = 0x02;
constexpr uint8_t kCapsLockLed = 0x04;

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAccessibleName(name);
  return label;
}

}  // namespace

SimKeyboardWindow::SimKeyboardWindow(SimulatedKeyboard& keyboard, const ImageGeometry& geometry,
                                     const SettingsStore& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowDoesNotAcceptFocus), keyboard_(keyboard), settings_(settings) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(tr("Имитатор клавиатуры"));
  setAccessibleName(windowTitle());
  field_ = new SimKeyField(keyboard.Width(), keyboard.Height(), geometry, this);

  layer_ = NamedLabel(QString(), tr("Слой"), this);
  numLock_ = NamedLabel(QStringLiteral("Num Lock"), QStringLiteral("Num Lock"), this);
  capsLock_ = NamedLabel(QStringLiteral("Caps Lock"), QStringLiteral("Caps Lock"), this);
  click_ = NamedLabel(QString(), tr("Щелчок"), this);
  for (QLabel* indicator : {numLock_, capsLock_}) {
    indicator->setFrameShape(QFrame::StyledPanel);
    indicator->setMargin(2);
  }
  auto* state = new QHBoxLayout;
  state->addWidget(layer_);
  state->addSpacing(12);
  state->addWidget(numLock_);
  state->addWidget(capsLock_);
  state->addSpacing(12);
  state->addWidget(click_, 1);

  track_ = new QComboBox(this);
  track_->setAccessibleName(tr("Дорожка"));
  for (int track = 1; track <= sim::kTrackCount; ++track)
    track_->addItem(tr("Дорожка %1").arg(track), track);
  swipe_ = new QPushButton(tr("Провести карту..."), this);
  swipe_->setFocusPolicy(Qt::NoFocus);
  track_->setFocusPolicy(Qt::NoFocus);
  swipe_->setAccessibleName(swipe_->text());
  auto* help = new QPushButton(tr("Справка"), this);
  help->setFocusPolicy(Qt::NoFocus);
  help->setAccessibleName(help->text());
  auto* card = new QHBoxLayout;
  card->addWidget(track_);
  card->addWidget(swipe_);
  card->addStretch(1);
  card->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(state);
  layout->addWidget(field_, 1);
  layout->addLayout(card);

  connect(field_, &SimKeyField::KeyPressed, this, [this](int x, int y) {
    keyboard_.Press(x, y);
    Poll();
  });
  connect(field_, &SimKeyField::KeyReleased, this, [this](int x, int y) {
    keyboard_.Release(x, y);
    Poll();
  });
  connect(swipe_, &QPushButton::clicked, this, &SimKeyboardWindow::AskAndSwipe);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelp(this, QStringLiteral("simulator.html")); });

  ShowIndicator(numLock_, false);
  ShowIndicator(capsLock_, false);
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &SimKeyboardWindow::Poll);
  timer_->start(kPollMs);
  Poll();
}

void SimKeyboardWindow::Poll() {
  const SimulatedKeyboard::State state = keyboard_.Poll();
  const uint8_t language = settings_.Get(Setting::Layout);
  if (state.layer != shownLayer_ || state.memoryVersion != shownMemory_ || language != shownLanguage_) {
    shownLayer_ = state.layer;
    shownMemory_ = state.memoryVersion;
    shownLanguage_ = language;
    field_->SetLayout(keyboard_.Layout(), state.layer, KeyLanguageFromSetting(language));
    layer_->setText(tr("Слой: %1").arg(state.layer));
  }
  if (state.indicators != shownIndicators_) {
    shownIndicators_ = state.indicators;
    ShowIndicator(numLock_, state.indicators & kNumLockLed);
    ShowIndicator(capsLock_, state.indicators & kCapsLockLed);
  }
  if (state.clicks != shownClicks_) {
    shownClicks_ = state.clicks;
    click_->setText(tr("Щелчок %1: %2 с")
                        .arg(state.clicks)
                        .arg(QString::number(state.lastClickTenths / 10.0, 'f', 1).replace('.', ',')));
  }
}

void SimKeyboardWindow::AskAndSwipe() {
  // The window that reads the card (the test window, a code-sequence line) gets
  // keyboard bytes only while it is active: the dialog takes that from it, so it
  // is given back before the track's bytes go out.
  const QPointer<QWidget> reader = QApplication::activeWindow();
  const QPointer<QWidget> focus = QApplication::focusWidget();
  bool ok = false;
  const QString text = QInputDialog::getText(this, tr("Провести карту"),
                                             tr("Данные дорожки %1:").arg(track_->currentData().toInt()),
                                             QLineEdit::Normal, QString(), &ok);
  if (!ok) return;
  if (reader) {
    reader->activateWindow();
    if (focus) focus->setFocus(Qt::OtherFocusReason);
  }
  SwipeWhenActive(reader, text, kReactivationPolls);
}

void SimKeyboardWindow::SwipeWhenActive(const QPointer<QWidget>& reader, const QString& text, int pollsLeft) {
  // The window manager hands the activation back in its own time; the swipe waits
  // for it a little, and goes out anyway rather than never.
  if (reader && !reader->isActiveWindow() && pollsLeft > 0) {
    QTimer::singleShot(kPollMs, this, [this, reader, text, pollsLeft] { SwipeWhenActive(reader, text, pollsLeft - 1); });
    return;
  }
  SwipeTrack(text);
}

void SimKeyboardWindow::SwipeTrack(const QString& trackText) {
  // Only ASCII characters are on the keys a track is typed with; the rest would
  // reach the card reader as several bytes of UTF-8 each.
  QString text;
  for (const QChar c : trackText)
    if (c.unicode() < 0x80) text += c;
  keyboard_.Swipe(track_->currentData().toInt(), text.toStdString());
  Poll();
}

void SimKeyboardWindow::ShowIndicator(QLabel* label, bool lit) {
  label->setEnabled(lit);
  label->setStyleSheet(lit ? QStringLiteral("background: #7cd67c") : QString());
}

}  // namespace vl
