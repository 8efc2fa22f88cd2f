// The simulated keyboard's window driven with the mouse on the virtual clock: what
// the clicked keys send to the port's receiver, how the keys are labelled and laid
// out, and what the window shows of the keyboard's state.

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <chrono>
#include <vector>

#include "AppFixture.h"
#include "app/device/SimKeyField.h"
#include "app/device/SimKeyboardWindow.h"
#include "app/device/SimulatedKeyboard.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceImage.h"

namespace vl {

namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

class Collector final : public IByteReceiver {
 public:
  void OnKeyboardByte(uint8_t byte) override { bytes.push_back(byte); }
  Bytes Take() { return std::exchange(bytes, {}); }
  Bytes bytes;
};

void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

TMacroButton& Key(TVL2Document& document, int x, int y, uint8_t func = kFuncMacro) {
  auto& ref = document.Keys(x + 1, y + 1);
  ref = std::make_unique<TMacroButton>();
  ref->Func = func;
  return *ref;
}

// A 3 x 2 keyboard on the virtual clock with a window over it and its bytes collected.
struct Rig {
  explicit Rig(const ImageGeometry& geometry = {})
      : keyboard(clock, sim::SimConfig{.identity = {.DeviceType = 0x105}, .keyColumns = 3, .keyRows = 2}),
        window(keyboard, geometry, settings) {
    keyboard.GetPort().Forward(&received);
    window.show();
  }
  ~Rig() { keyboard.GetPort().Forward(nullptr); }

  void Program(const TVL2Document& document, int layers) {
    settings.Set(Setting::LayerCount, static_cast<uint8_t>(layers - 1));
    const auto image = BuildDeviceImage(document, settings, ImageDevice{0x1234, 3, 2, true, 1, 7}, TRect{1, 1, 3, 2},
                                        [](int x, int y) { return GridOffset{x, y}; });
    QVERIFY(image);
    std::vector<uint8_t> memory = keyboard.Memory();
    std::copy(image->begin(), image->end(), memory.begin());
    const auto header = PackHeader(DeviceHeader{.DataSize = static_cast<uint16_t>(image->size())}, true);
    std::copy(header.begin(), header.end(), memory.end() - 32);
    QVERIFY(keyboard.SetMemory(memory));
    window.Poll();
  }
  QPoint Centre(int x, int y) const { return window.Field().KeyRect(x, y).center(); }
  void Click(int x, int y) { QTest::mouseClick(&window.Field(), Qt::LeftButton, {}, Centre(x, y)); }
  // What the host has received once time has passed and the window has polled.
  Bytes After(Clock::Duration time) {
    clock.Pause(time);
    window.Poll();
    return received.Take();
  }
  QString Label(const char* name) const {
    for (QLabel* label : window.findChildren<QLabel*>())
      if (label->accessibleName() == QString::fromUtf8(name)) return label->text();
    return {};
  }

  VirtualClock clock;
  SettingsStore settings;
  SimulatedKeyboard keyboard;
  Collector received;
  SimKeyboardWindow window;
};

}  // namespace

class SimKeyboardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ClickedKeysSendTheirLayerAndSwitchLayers() {
    Rig rig;
    QCOMPARE(rig.window.windowTitle(), QString::fromUtf8("Имитатор клавиатуры"));
    TVL2Document document;
    TMacroButton& letters = Key(document, 0, 0);
    letters.Layers[0] = {{"\x1C", "\xF0\x1C"}, 0, 0, ""};
    letters.Layers[1] = {{"\x32", "\xF0\x32"}, 0, 0, ""};
    Key(document, 1, 0, kFuncLayerUp);
    Key(document, 2, 1, kFuncShiftToLayer0 + 1);
    rig.Program(document, 2);
    QCOMPARE(rig.window.Field().KeyText(0, 0), QStringLiteral("a"));
    QVERIFY(rig.window.Field().KeyText(1, 0).isEmpty());  // drawn as the icon
    QCOMPARE(rig.Label("Слой"), QString::fromUtf8("Слой: 0"));

    rig.Click(0, 0);
    QCOMPARE(rig.After(1s), (Bytes{0x1E, 0x9E}));  // set 1 with the break bit
    rig.Click(1, 0);
    QCOMPARE(rig.After(1s), Bytes{});
    QCOMPARE(rig.Label("Слой"), QString::fromUtf8("Слой: 1"));
    QCOMPARE(rig.window.Field().KeyText(0, 0), QStringLiteral("b"));
    rig.Click(0, 0);
    QCOMPARE(rig.After(1s), (Bytes{0x30, 0xB0}));
  }

  void HeldKeyRepeatsUntilLetGoOrHidden() {
    Rig rig;
    TVL2Document document;
    Key(document, 0, 0).Layers[0] = {{"\x1C", "\xF0\x1C"}, 1, 0, ""};
    rig.Program(document, 1);
    QTest::mousePress(&rig.window.Field(), Qt::LeftButton, {}, rig.Centre(0, 0));
    QCOMPARE(rig.After(650ms), (Bytes{0x1E, 0x1E, 0x1E}));  // at 0, 500 and 600 ms
    QTest::mouseRelease(&rig.window.Field(), Qt::LeftButton, {}, rig.Centre(0, 0));
    QCOMPARE(rig.After(1s), (Bytes{0x9E}));
    QCOMPARE(rig.After(1s), Bytes{});

    // Closed with the button still down, the key must not go on repeating.
    QTest::mousePress(&rig.window.Field(), Qt::LeftButton, {}, rig.Centre(0, 0));
    rig.window.hide();
    QCOMPARE(rig.After(1s), (Bytes{0x1E, 0x9E}));
    QCOMPARE(rig.After(1s), Bytes{});
  }

  void ShowsIndicatorsClicksAndSwipesTracks() {
    Rig rig;
    TVL2Document document;
    Key(document, 0, 0).Layers[0] = {{"\x1C", ""}, 0, 3, ""};
    document.CardReader.Layers[1] = {{"", "\x5A"}, 0, 0, ""};
    document.TrackMask = 0b0010;
    rig.Program(document, 1);

    Port& port = rig.keyboard.GetPort();
    port.SendByte(0xED);
    rig.clock.Pause(2ms);
    port.SendByte(0x04);
    rig.After(100ms);
    for (QLabel* label : rig.window.findChildren<QLabel*>()) {
      if (label->accessibleName() == QStringLiteral("Caps Lock")) QVERIFY(label->isEnabled());
      if (label->accessibleName() == QStringLiteral("Num Lock")) QVERIFY(!label->isEnabled());
    }

    rig.Click(0, 0);
    rig.After(1s);
    QCOMPARE(rig.Label("Щелчок"), QString::fromUtf8("Щелчок 1: 0,3 с"));

    rig.window.SwipeTrack(QStringLiteral("1"));  // track 1 is not enabled
    QCOMPARE(rig.After(1s), Bytes{});
    rig.window.findChild<QComboBox*>()->setCurrentIndex(1);
    rig.window.SwipeTrack(QString::fromUtf8("1ж2"));  // a character no key bears is left out
    QCOMPARE(rig.After(1s), (Bytes{0x02, 0x82, 0x03, 0x83, 0x1C}));
  }

  // A temporary layer's key was held only while the mouse button was, so no
  // other key could be clicked meanwhile. A right click latches it until clicked again.
  void RightClickLatchesAKeyUntilClickedAgain() {
    Rig rig;
    TVL2Document document;
    TMacroButton& letters = Key(document, 0, 0);
    letters.Layers[0] = {{"\x1C", "\xF0\x1C"}, 0, 0, ""};
    letters.Layers[1] = {{"\x32", "\xF0\x32"}, 0, 0, ""};
    Key(document, 2, 1, kFuncShiftToLayer0 + 1);
    rig.Program(document, 2);
    SimKeyField& field = rig.window.Field();
    QTest::mouseClick(&field, Qt::RightButton, {}, rig.Centre(2, 1));
    QCOMPARE(rig.After(1s), Bytes{});
    QCOMPARE(rig.Label("Слой"), QString::fromUtf8("Слой: 1"));
    QCOMPARE(field.LatchedKeys(), std::vector<QPoint>{QPoint(2, 1)});
    rig.Click(0, 0);
    QCOMPARE(rig.After(1s), (Bytes{0x30, 0xB0}));  // b, from layer 1
    rig.Click(2, 1);                                // clicked again: let go
    rig.After(1s);
    QCOMPARE(rig.Label("Слой"), QString::fromUtf8("Слой: 0"));
    QVERIFY(field.LatchedKeys().empty());
    rig.Click(0, 0);
    QCOMPARE(rig.After(1s), (Bytes{0x1E, 0x9E}));

    // A latched key is let go with the window, or it would stay down for ever.
    QTest::mouseClick(&field, Qt::RightButton, {}, rig.Centre(0, 0));
    QCOMPARE(rig.After(100ms), Bytes{0x1E});
    rig.window.hide();
    QCOMPARE(rig.After(1s), Bytes{0x9E});
  }

  // The swipe's question took the activation from the window reading the card,
  // which lost the track's bytes.
  void SwipeGoesToTheWindowThatWasActive() {
    Rig rig;
    TVL2Document document;
    document.CardReader.Layers[1] = {{"", "\x5A"}, 0, 0, ""};
    document.TrackMask = 0b0010;
    rig.Program(document, 1);
    rig.window.findChild<QComboBox*>()->setCurrentIndex(1);
    QWidget reader;
    auto* line = new QLineEdit(&reader);
    reader.show();
    QApplication::setActiveWindow(&reader);
    line->setFocus();
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->setTextValue(QStringLiteral("12"));
      dialog->accept();
    });
    QPushButton* swipe = nullptr;
    for (QPushButton* button : rig.window.findChildren<QPushButton*>())
      if (button->accessibleName() == QString::fromUtf8("Провести карту...")) swipe = button;
    QVERIFY(swipe != nullptr);
    swipe->click();
    QTRY_COMPARE(QApplication::activeWindow(), &reader);
    QVERIFY(line->hasFocus());
    Bytes received;
    QTRY_VERIFY((Append(received, rig.After(10ms)), received.size() >= 5));
    QCOMPARE(received, (Bytes{0x02, 0x82, 0x03, 0x83, 0x1C}));
  }

  void KeysLieWhereTheCatalogueDrawsThemAndGapsPressNothing() {
    Rig rig(ImageGeometry{.KeyWidth = 1800, .KeyHeight = 1500, .HorKeySpace = 600, .VerKeySpace = 300,
                          .TopSpace = 500, .LeftSpace = 400});
    const SimKeyField& field = rig.window.Field();
    QCOMPARE(field.KeyRect(0, 0).size(), QSize(64, 53));
    QCOMPARE(field.KeyRect(1, 0).left() - field.KeyRect(0, 0).right() - 1, 21);
    for (int x = 0; x < 3; ++x)
      for (int y = 0; y < 2; ++y) QCOMPARE(field.KeyAt(field.KeyRect(x, y).center()), std::optional(QPoint(x, y)));
    const QPoint gap(field.KeyRect(0, 0).right() + 5, field.KeyRect(0, 0).center().y());
    QCOMPARE(field.KeyAt(gap), std::nullopt);
    QCOMPARE(field.KeyAt(QPoint(field.sizeHint().width() - 1, field.sizeHint().height() - 1)), std::nullopt);
    QVERIFY(rig.window.Field().width() >= field.KeyRect(2, 1).right());
  }
};

int RunSimKeyboardWindowTest(int argc, char** argv) {
  SimKeyboardWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "SimKeyboardWindowTest.moc"
