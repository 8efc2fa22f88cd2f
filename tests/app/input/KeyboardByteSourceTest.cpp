// The keyboard byte source: desktop key events and port bytes reach a line as
// the keyboard's set-1 bytes, in order and on the UI thread.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <thread>

#include "app/input/DesktopLocks.h"
#include "app/input/KeyboardByteSource.h"
#include "core/device/Port.h"

namespace vl {

// A port whose keyboard "types" from another thread.
class ThreadedPort final : public Port {
 public:
  bool SendByte(uint8_t byte) override {
    sent.push_back(byte);
    return true;
  }
  void SetCapture(uint32_t) override {}
  uint16_t TakeByte() override { return 0; }
  void Forward(IByteReceiver* receiver) override { receiver_ = receiver; }
  void TypeFromThread(int count) {
    std::thread reader([this, count] {
      for (int i = 0; i < count; ++i) receiver_->OnKeyboardByte(static_cast<uint8_t>(i));
    });
    reader.join();
  }
  std::vector<uint8_t> sent;

 private:
  IByteReceiver* receiver_ = nullptr;
};

class KeyboardByteSourceTest : public QObject {
  Q_OBJECT

 private:
  static QList<int> Received(const QSignalSpy& spy) {
    QList<int> bytes;
    for (const auto& arguments : spy) bytes << arguments.at(0).toInt();
    return bytes;
  }

 private slots:
  void KeyEventsBecomeSet1BytesAndAreSwallowed() {
    QLineEdit target;
    KeyboardByteSource source;
    QSignalSpy spy(&source, &KeyboardByteSource::ByteReceived);
    source.Start(&target, PortHandle());
    // Right Control (evdev 97) press and release; Tab (15) would move the focus.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier, 97 + 8, 0, 0);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier, 97 + 8, 0, 0);
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, 15 + 8, 0, 0, "\t");
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
    QApplication::sendEvent(&target, &tab);
    QCOMPARE(Received(spy), (QList<int>{0xE0, 0x1D, 0xE0, 0x9D, 0x0F}));
    QVERIFY(target.text().isEmpty());
    source.Stop();
    QApplication::sendEvent(&target, &tab);
    QCOMPARE(spy.size(), 5);
  }

  void AutoRepeatReleasesAreDropped() {
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0, "a", true);
    QVERIFY(KeyboardByteSource::KeyEventBytes(repeatRelease).empty());
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0, "a", true);
    QCOMPARE(KeyboardByteSource::KeyEventBytes(repeatPress), std::vector<uint8_t>{0x1E});
  }

  void PortBytesArriveInOrderOnlyWhileRunning() {
    QLineEdit target;
    ThreadedPort port;
    auto slot = std::make_shared<PortHandle::Slot>();
    slot->port = &port;
    const PortHandle handle(slot);
    KeyboardByteSource source;
    QSignalSpy spy(&source, &KeyboardByteSource::ByteReceived);
    source.Start(&target, handle);
    port.TypeFromThread(200);
    QTRY_COMPARE(spy.size(), 200);
    QList<int> expected;
    for (int i = 0; i < 200; ++i) expected << i;
    QCOMPARE(Received(spy), expected);

    // Bytes still queued when the line stops never reach it.
    port.TypeFromThread(3);
    source.Stop();
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 200);

    KeyboardByteSource::RestoreIndicators(handle, {.NumLock = true, .CapsLock = true});
    QCOMPARE(port.sent, (std::vector<uint8_t>{0xED, 0x06}));
    // Not into a device job's exchange, and not into a port that was closed.
    slot->heldByJob = true;
    KeyboardByteSource::RestoreIndicators(handle, {});
    slot->heldByJob = false;
    slot->port = nullptr;
    KeyboardByteSource::RestoreIndicators(handle, {});
    source.Start(&target, handle);
    source.Stop();
    QCOMPARE(port.sent.size(), size_t{2});
  }

  void LedsGiveTheLockStates() {
    QTemporaryDir dir;
    auto led = [&](const QString& name, const char* value) {
      QDir(dir.path()).mkpath(name);
      QFile file(dir.path() + "/" + name + "/brightness");
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(value);
    };
    QVERIFY(!ReadLedLocks(dir.path()).has_value());
    led("input3::numlock", "0\n");
    led("input3::capslock", "1\n");
    led("input9::numlock", "1\n");
    const auto locks = ReadLedLocks(dir.path());
    QVERIFY(locks.has_value());
    QVERIFY(locks->NumLock);
    QVERIFY(locks->CapsLock);
  }
};

int RunKeyboardByteSourceTest(int argc, char** argv) {
  KeyboardByteSourceTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "KeyboardByteSourceTest.moc"
