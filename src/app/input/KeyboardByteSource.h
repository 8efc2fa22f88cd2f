#pragma once
// Where a code-sequence line and the test window get the keyboard's raw set-1
// bytes. From the keyboard port when it delivers them (serio_raw, the simulated
// keyboard): bytes arrive on the port's reader thread and are handed to the UI
// thread in order. Otherwise from the desktop's key events, so that any keyboard
// works: the native scan code is the evdev code + 8, turned into set-1 bytes by
// the core's table. While a source reads the desktop, its widget gets every key:
// Tab, Alt, F10, Esc and mnemonics neither move the focus nor open a menu; only
// the menu key and Shift+F10 ask for the widget's menu. While it reads a port,
// the desktop's keys go on working as usual (Tab, Esc, the menus), so the
// keyboard is never trapped there.

#include <QList>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <vector>

#include "app/common/PortHandle.h"
#include "core/input/KeyEvents.h"

class QKeyEvent;
class QWidget;

namespace vl {

class KeyboardByteSource final : public QObject, private IByteReceiver {
  Q_OBJECT

 public:
  explicit KeyboardByteSource(QObject* parent = nullptr);
  ~KeyboardByteSource() override;

  // Starts delivering bytes: from the port when the handle holds one, else from
  // the key events of target, which takes the keyboard grab. Stops a running
  // source first.
  void Start(QWidget* target, PortHandle port);
  void Stop();
  bool Running() const { return target_ != nullptr; }
  // Running on a port's bytes rather than the desktop's key events.
  bool FromPort() const { return Running() && port_.Valid(); }
  // Desktop keys whose release (after a press seen in this run) asks the owner to
  // let the widget go: LeaveRequested. Their bytes are delivered as usual.
  void SetLeaveKeys(QList<int> qtKeys) { leaveKeys_ = std::move(qtKeys); }

  // Sets the keyboard's indicators back (ED and the mask: 2 Num Lock, 4 Caps
  // Lock) when a port is open; a desktop keyboard keeps its own.
  static void RestoreIndicators(const PortHandle& port, LockStates locks);

  // The set-1 bytes of a desktop key event; none for an automatic repeat's
  // release (the desktop sends release and press pairs while a key is held).
  static std::vector<uint8_t> KeyEventBytes(const QKeyEvent& event);

 signals:
  void ByteReceived(quint8 byte);
  // The menu key or Shift+F10 on the desktop keyboard; neither is delivered.
  void MenuRequested();
  void LeaveRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnKeyboardByte(uint8_t byte) override;
  // The desktop's key event while reading the desktop; true when it is consumed.
  bool DesktopKey(const QKeyEvent& event);

  QWidget* target_ = nullptr;
  QList<int> leaveKeys_;
  QList<int> leavePressed_;       // leave keys pressed in this run
  quint32 menuKeyScanCode_ = 0;   // the key that asked for the menu, until its release
  PortHandle port_;
  // Bumped by Start and Stop, so bytes queued for an earlier run are dropped.
  std::atomic<quint64> run_{0};
};

}  // namespace vl
