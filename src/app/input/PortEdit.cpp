#include "app/input/PortEdit.h"

#include <QFocusEvent>
#include <QPainter>

#include "app/common/CoreTexts.h"
#include "app/input/DesktopLocks.h"
#include "core/common/Prompt.h"
#include "core/settings/SettingsStore.h"

namespace vl {
namespace {

constexpr int kCellPadding = 7;
constexpr int kMinTextWidth = 15;
const QColor kCaptureColor(0, 255, 0);

}  // namespace

TPortEdit::TPortEdit(SettingsStore& settings, IPrompt& prompt, std::function<PortHandle()> port, QWidget* parent)
    : QWidget(parent), settings_(settings), prompt_(prompt), port_(std::move(port)) {
  setFocusPolicy(Qt::StrongFocus);
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&source_, &KeyboardByteSource::ByteReceived, this, &TPortEdit::OnByte);
}

QSize TPortEdit::sizeHint() const { return {240, kHeight}; }

KeyLanguage TPortEdit::Language() const {
  return KeyLanguageFromSetting(settings_.Get(Setting::Layout));
}

void TPortEdit::Configure() {
  line_.Configure(ExitKeyCode(settings_.Get(Setting::TabKey)), settings_.IsOn(Setting::CorrectLock));
}

void TPortEdit::SetBytes(std::string bytes) {
  LeaveLine();
  line_.SetContent(std::move(bytes));
  update();
}

void TPortEdit::ReplaceBytes(std::string bytes) {
  line_.SetContent(std::move(bytes));
  update();
}

QStringList TPortEdit::CellTexts() const {
  QStringList texts;
  for (const std::string& text :
       KeyEventTexts(ParseKeyEvents(line_.Content()), Language(), line_.StartLocks(), CoreTranslator())) {
    texts << QString::fromStdString(text);
  }
  return texts;
}

void TPortEdit::StartCapture() {
  if (!suspended_ && hasFocus() && line_.Entered()) source_.Start(this, port_ ? port_() : PortHandle());
  update();
}

void TPortEdit::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (line_.Entered()) {
    line_.IgnoreStrayReleases();
  } else {
    Configure();
    line_.Enter(ReadDesktopLocks());
  }
  StartCapture();
}

void TPortEdit::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // The line's own pop-up menu keeps the line entered: its commands work on it.
  if (event->reason() == Qt::PopupFocusReason || suspended_) {
    source_.Stop();
    update();
    return;
  }
  LeaveLine();
}

void TPortEdit::LeaveLine() {
  if (!line_.Entered()) return;
  source_.Stop();
  if (port_) KeyboardByteSource::RestoreIndicators(port_(), ReadDesktopLocks());
  line_.Leave();
  update();
  emit Left();
}

void TPortEdit::Suspend() {
  suspended_ = true;
  source_.Stop();
  update();
}

void TPortEdit::Resume() {
  suspended_ = false;
  line_.IgnoreStrayReleases();
  StartCapture();
}

void TPortEdit::OnByte(quint8 byte) { Handle(line_.FeedSet1(byte)); }

void TPortEdit::Handle(LineInput input) {
  update();
  if (input == LineInput::Exit) {
    emit ExitPressed();
  } else if (input == LineInput::Full) {
    Suspend();
    prompt_.Message(kLineFullMessage, kCaptionAttention, MessageIcon::Warning);
    Resume();
  }
}

bool TPortEdit::AppendBytes(const std::string& bytes, const char* message, const char* caption,
                            MessageIcon icon) {
  if (!line_.Append(bytes)) {
    prompt_.Message(message, caption, icon);
    return false;
  }
  update();
  return true;
}

void TPortEdit::TypeText(const QString& text) { Handle(line_.TypeText(text.toStdString(), Language())); }

void TPortEdit::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A line that is switched off (a card track not read) looks like any disabled field.
  const QColor face = !isEnabled() ? palette().color(QPalette::Disabled, QPalette::Window)
                      : Capturing() ? kCaptureColor
                                    : QColor(Qt::white);
  painter.fillRect(rect(), face);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  const QStringList texts = CellTexts();
  const QFontMetrics metrics(font());
  QList<int> widths;
  int total = 0;
  for (const QString& text : texts) {
    widths << std::max(metrics.horizontalAdvance(text), kMinTextWidth) + kCellPadding;
    total += widths.back();
  }
  // The end of the sequence stays in view.
  const int inner = width() - 4;
  int x = 2 - std::max(0, total - inner);
  const int top = (height() - kCellHeight) / 2;
  painter.setClipRect(rect().adjusted(2, 2, -2, -2));
  for (int i = 0; i < texts.size(); ++i) {
    const QRect cell(x, top, widths[i], kCellHeight);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, QPalette::Text));
    painter.drawText(cell, Qt::AlignCenter, texts[i]);
    x += widths[i];
  }
}

}  // namespace vl
