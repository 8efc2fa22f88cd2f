#include "app/input/PortEdit.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <array>

#include "app/common/CoreTexts.h"
#include "app/input/DesktopLocks.h"
#include "core/common/Prompt.h"
#include "core/settings/SettingsStore.h"

namespace vl {
namespace {

constexpr int kCellPadding = 7;
constexpr int kMinTextWidth = 15;
const QColor kCaptureColor(0, 255, 0);

// The desktop keys of setting "tab key" (Esc, Tab, F11, space, left Control; 5
// none), for a line that records a port's bytes.
int ExitQtKey(uint8_t tabKeySetting) {
  constexpr std::array<int, 5> kKeys = {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_F11, Qt::Key_Space, Qt::Key_Control};
  return tabKeySetting < kKeys.size() ? kKeys[tabKeySetting] : 0;
}

// Qt names both Control keys alike; the desktop's key code (evdev + 8) tells the
// left one (29) from the right one. A platform that gives no code accepts either.
constexpr quint32 kLeftControlNativeCode = 29 + 8;

bool IsExitKey(const QKeyEvent& event, uint8_t tabKeySetting) {
  if (event.key() != ExitQtKey(tabKeySetting)) return false;
  return event.key() != Qt::Key_Control || event.nativeScanCode() == 0 ||
         event.nativeScanCode() == kLeftControlNativeCode;
}

bool IsMenuKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

}  // namespace

TPortEdit::TPortEdit(SettingsStore& settings, IPrompt& prompt, std::function<PortHandle()> port, QWidget* parent)
    : QWidget(parent), settings_(settings), prompt_(prompt), port_(std::move(port)) {
  setFocusPolicy(Qt::StrongFocus);
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&source_, &KeyboardByteSource::ByteReceived, this, &TPortEdit::OnByte);
  connect(&source_, &KeyboardByteSource::MenuRequested, this, &TPortEdit::OpenMenu);
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
  Changed();
}

void TPortEdit::ReplaceBytes(std::string bytes) {
  line_.SetContent(std::move(bytes));
  Changed();
}

QString TPortEdit::SpokenText() const {
  QStringList spoken;
  for (QString text : CellTexts()) {
    // The space bar shows as a blank cell.
    if (text.endsWith(QLatin1Char(' '))) text = (text.trimmed() + QLatin1Char(' ') + tr("Пробел")).trimmed();
    spoken << text;
  }
  return spoken.join(QLatin1Char(' '));
}

QString TPortEdit::SourceText() const {
  return port_ && port_().Valid() ? tr("клавиши записываются с порта клавиатуры, не с клавиатуры компьютера")
                                  : tr("клавиши записываются с клавиатуры компьютера");
}

void TPortEdit::Changed() {
  update();
  const QString now = SpokenText();
  if (now == spoken_) return;
  const QString before = std::exchange(spoken_, now);
  if (!QAccessible::isActive()) return;
  if (now.startsWith(before)) {
    QAccessibleTextInsertEvent inserted(this, static_cast<int>(before.size()), now.mid(before.size()));
    QAccessible::updateAccessibility(&inserted);
  } else {
    QAccessibleTextUpdateEvent replaced(this, 0, before, now);
    QAccessible::updateAccessibility(&replaced);
  }
  QAccessibleTextCursorEvent caret(this, static_cast<int>(now.size()));
  QAccessible::updateAccessibility(&caret);
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
    // The release of the key that brought the focus here (Tab) is no input.
    line_.IgnoreStrayReleases();
  }
  exitKeyDown_ = false;
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
  Changed();
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
  Changed();
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
  Changed();
  return true;
}

void TPortEdit::TypeText(const QString& text) { Handle(line_.TypeText(text.toStdString(), Language())); }

void TPortEdit::OpenMenu() {
  // Shift+F10 typed its Shift before the F10 showed what it was for.
  if (!source_.FromPort() && (line_.TakeBackLastMake(kLeftShiftCode) || line_.TakeBackLastMake(kRightShiftCode)))
    Changed();
  emit MenuRequested(QPoint(4, height() / 2));
}

void TPortEdit::keyPressEvent(QKeyEvent* event) {
  if (!source_.FromPort() || event->isAutoRepeat()) {
    QWidget::keyPressEvent(event);
  } else if (IsMenuKey(*event)) {
    OpenMenu();
  } else if (IsExitKey(*event, settings_.Get(Setting::TabKey))) {
    exitKeyDown_ = true;
  } else {
    QWidget::keyPressEvent(event);
  }
}

void TPortEdit::keyReleaseEvent(QKeyEvent* event) {
  const bool exit = source_.FromPort() && !event->isAutoRepeat() && exitKeyDown_ &&
                    IsExitKey(*event, settings_.Get(Setting::TabKey));
  if (!exit) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  exitKeyDown_ = false;
  emit ExitPressed();
}

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
  if (texts.isEmpty() && source_.FromPort()) {
    // Typing on the computer's keyboard records nothing here: say so.
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, SourceText());
  }
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
