#include "app/input/KeyboardByteSource.h"

#include <QKeyEvent>
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
  target_->installEventFilter(this);
  target_->grabKeyboard();
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
  if (watched != target_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Accepting it keeps menu shortcuts and mnemonics from taking the key.
      event->accept();
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      if (!port_.Valid()) {
        for (uint8_t byte : KeyEventBytes(*static_cast<QKeyEvent*>(event))) emit ByteReceived(byte);
      }
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
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
