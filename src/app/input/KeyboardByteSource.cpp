#include "app/input/KeyboardByteSource.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "core/device/Transport.h"
#include "core/input/EvdevTable.h"

namespace vl {
namespace {

// X11 and Wayland report the evdev code plus 8 as the native scan code.
constexpr quint32 kNativeScanOffset = 8;

}  // namespace

KeyboardByteSource::KeyboardByteSource(QObject* parent) : QObject(parent) {}

KeyboardByteSource::~KeyboardByteSource() { Stop(); }

void KeyboardByteSource::Start(QWidget* target, PortHandle port) {
  Stop();
  ++run_;
  target_ = target;
  port_ = std::move(port);
  leavePressed_.clear();
  menuKeyScanCode_ = 0;
  target_->installEventFilter(this);
  if (!port_.Valid()) target_->grabKeyboard();
  port_.Forward(this);
}

void KeyboardByteSource::Stop() {
  if (target_ == nullptr) return;
  port_.Forward(nullptr);
  target_->removeEventFilter(this);
  target_->releaseKeyboard();
  target_ = nullptr;
  port_ = PortHandle();
  ++run_;
}

void KeyboardByteSource::RestoreIndicators(const PortHandle& port, LockStates locks) {
  port.Send({kSetIndicators, IndicatorBits(locks.NumLock, locks.CapsLock)});
}

std::vector<uint8_t> KeyboardByteSource::KeyEventBytes(const QKeyEvent& event) {
  const bool pressed = event.type() == QEvent::KeyPress;
  if (!pressed && event.isAutoRepeat()) return {};
  if (event.nativeScanCode() <= kNativeScanOffset) return {};
  return EvdevToSet1(static_cast<int>(event.nativeScanCode() - kNativeScanOffset), pressed);
}

bool KeyboardByteSource::eventFilter(QObject* watched, QEvent* event) {
  // A port delivers the bytes: the desktop's keys keep their usual meaning.
  if (watched != target_ || port_.Valid()) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Accepting it keeps menu shortcuts and mnemonics from taking the key.
      event->accept();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return DesktopKey(*static_cast<QKeyEvent*>(event));
    default:
      return QObject::eventFilter(watched, event);
  }
}

bool KeyboardByteSource::DesktopKey(const QKeyEvent& event) {
  const bool pressed = event.type() == QEvent::KeyPress;
  const bool menuKey = event.key() == Qt::Key_Menu ||
                       (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
  if (pressed && menuKey && !event.isAutoRepeat()) {
    menuKeyScanCode_ = event.nativeScanCode();
    emit MenuRequested();
    return true;
  }
  if (menuKeyScanCode_ != 0 && event.nativeScanCode() == menuKeyScanCode_) {
    if (!pressed && !event.isAutoRepeat()) menuKeyScanCode_ = 0;
    return true;
  }
  const QPointer<QWidget> target = target_;
  for (uint8_t byte : KeyEventBytes(event)) emit ByteReceived(byte);
  if (event.isAutoRepeat() || !leaveKeys_.contains(event.key()) || target_ != target) return true;
  if (pressed) {
    leavePressed_.append(event.key());
  } else if (leavePressed_.removeAll(event.key()) > 0) {
    emit LeaveRequested();
  }
  return true;
}

void KeyboardByteSource::OnKeyboardByte(uint8_t byte) {
  // The port's reader thread: queued calls reach the UI thread in posting order.
  const quint64 run = run_.load();
  QMetaObject::invokeMethod(
      this,
      [this, byte, run] {
        if (run == run_) emit ByteReceived(byte);
      },
      Qt::QueuedConnection);
}

}  // namespace vl
