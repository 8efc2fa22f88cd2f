// What a keyboard-only user and a screen reader get: the grid as a table of
// named cells, the lines as read-only texts with a way out and a menu by
// keyboard, words for the symbol-only key names, colours that keep their
// contrast.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "MainWindowFixture.h"
#include "app/device/DeviceCommands.h"
#include "app/device/ProgressDialog.h"
#include "app/device/SimKeyField.h"
#include "app/device/TestWindow.h"
#include "app/editor/GridColours.h"
#include "app/editor/GridWindow.h"
#include "app/editor/ParametersDialog.h"
#include "app/editor/VL2Grid.h"
#include "app/input/KeyInputWindow.h"
#include "app/input/KeyListDialog.h"
#include "app/main/AccessibleFactory.h"
#include "app/main/MainWindow.h"
#include "core/device/Port.h"
#include "core/settings/SettingsBackend.h"
#include "ports/PortSelect.h"

namespace vl {
namespace {

// A port that is open and never types: the lines read it instead of the desktop.
class SilentPort final : public Port {
 public:
  bool SendByte(uint8_t) override { return true; }
  void SetCapture(uint32_t) override {}
  uint16_t TakeByte() override { return 0; }
  void Forward(IByteReceiver*) override {}
};

void SendKey(QWidget* target, QEvent::Type type, int qtKey, int evdev, Qt::KeyboardModifiers modifiers = {}) {
  QKeyEvent event(type, qtKey, modifiers, static_cast<quint32>(evdev + 8), 0, 0);
  QApplication::sendEvent(target, &event);
}

void TapKey(QWidget* target, int qtKey, int evdev, Qt::KeyboardModifiers modifiers = {}) {
  SendKey(target, QEvent::KeyPress, qtKey, evdev, modifiers);
  SendKey(target, QEvent::KeyRelease, qtKey, evdev, modifiers);
}

constexpr int kEvdevEsc = 1;
constexpr int kEvdevTab = 15;
constexpr int kEvdevLeftControl = 29;
constexpr int kEvdevA = 30;
constexpr int kEvdevLeftShift = 42;
constexpr int kEvdevF10 = 68;
constexpr int kEvdevRightControl = 97;

// Triggers the action captioned text in the pop-up menu that opens next.
void InNextMenu(const QString& text) {
  QTimer::singleShot(0, [text] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text() == text) {
        menu->close();
        action->trigger();
        return;
      }
    }
    menu->close();
    QFAIL("no such menu item");
  });
}

}  // namespace

class AccessibilityTest : public test::MainWindowFixture {
  Q_OBJECT

 private:
  TVL2Grid& Grid() { return main_->ActiveLayout()->Grid(); }

 private slots:
  void initTestCase() { InstallAccessibleFactory(); }
  void init() { OpenMainWindow(); }
  void cleanup() { main_.reset(); }

  void GridIsATableOfCellsNamedByPositionAndDescribedByTheShownLayer() {
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    key->Layers[0].Macro[0] = "\x1c";  // a
    key->Layers[1].Macro[0] = "\x32";  // b
    Grid().Document().SetKey(2, 3, std::move(key));
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&Grid());
    QCOMPARE(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->rowCount(), 255);
    QCOMPARE(table->columnCount(), 255);
    QAccessibleInterface* cell = table->cellAt(2, 1);  // row 3, column 2
    QCOMPARE(cell->text(QAccessible::Name), QString::fromUtf8("столбец 2, строка 3"));
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(grid->child(grid->indexOfChild(cell)), cell);
    Grid().SetShownLayer(0);
    QCOMPARE(cell->text(QAccessible::Description), QString::fromUtf8("Нажатие: a"));
    Grid().SetShownLayer(1);
    QCOMPARE(cell->text(QAccessible::Description), QString::fromUtf8("Нажатие: b"));

    Focus(&Grid());
    Grid().Select(2, 3, 2, 3);
    QCOMPARE(grid->focusChild(), cell);
    QVERIFY(cell->state().focused);
    QVERIFY(cell->state().selected);
    TapKey(&Grid(), Qt::Key_Right, 106);
    QCOMPARE(grid->focusChild()->text(QAccessible::Name), QString::fromUtf8("столбец 3, строка 3"));
    QVERIFY(!cell->state().selected);
  }

  void LineReadsAsReadOnlyTextWithTheCaretAtItsEnd() {
    Grid().Select(2, 2, 2, 2);
    main_->ActiveLayout()->Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main_->KeyInput().PressLine(0);
    Focus(line);
    TapKey(line, Qt::Key_A, kEvdevA);
    TapKey(line, Qt::Key_Space, 57);
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(line);
    QCOMPARE(text->role(), QAccessible::EditableText);
    QVERIFY(text->state().readOnly);
    QCOMPARE(text->text(QAccessible::Name), QString::fromUtf8("Нажатие, уровень 0"));
    const QString expected = QString::fromUtf8("a Отжатие a Пробел Отжатие Пробел");
    QCOMPARE(text->textInterface()->text(0, -1), expected);
    QCOMPARE(text->textInterface()->cursorPosition(), expected.size());
    QCOMPARE(text->text(QAccessible::Description), line->SourceText());
  }

  // Tab moves the focus in on its press; its release is not the user's input.
  void TabbingIntoALineRecordsNothing() {
    Grid().Select(2, 2, 2, 2);
    main_->ActiveLayout()->Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main_->KeyInput().PressLine(0);
    Focus(line, Qt::TabFocusReason);
    SendKey(line, QEvent::KeyRelease, Qt::Key_Tab, kEvdevTab);
    QVERIFY(line->Bytes().empty());
  }

  // Shift+F10 opens the line's menu instead of typing; its Shift is taken back,
  // and the menu's last item leaves the line whatever the exit key.
  void MenuKeyOpensTheLineMenuWhoseLastItemLeavesTheLine() {
    settings_.Set(Setting::TabKey, 5);  // no exit key
    Grid().Select(2, 2, 2, 2);
    main_->ActiveLayout()->Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main_->KeyInput().PressLine(0);
    Focus(line);
    TapKey(line, Qt::Key_A, kEvdevA);
    SendKey(line, QEvent::KeyPress, Qt::Key_Shift, kEvdevLeftShift);
    InNextMenu(QString::fromUtf8("Вы&йти из строки"));
    SendKey(line, QEvent::KeyPress, Qt::Key_F10, kEvdevF10, Qt::ShiftModifier);
    QVERIFY(!line->hasFocus());
    QVERIFY(!line->Capturing());
    QCOMPARE(line->Bytes(), std::string("\x1c\xf0\x1c"));
  }

  // A line that records a port leaves the desktop's keys alone: Tab moves on, the
  // exit key leaves (the left Control only, when that is the exit key), and the
  // line says where its keys come from.
  void LineOnAPortLeavesByTabOrTheExitKey() {
    SilentPort port;
    auto slot = std::make_shared<PortHandle::Slot>();
    slot->port = &port;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* line = new TPortEdit(settings_, prompt_, [slot] { return PortHandle(slot); });
    auto* next = new QLineEdit;
    layout->addWidget(line);
    layout->addWidget(next);
    window.show();
    QSignalSpy exits(line, &TPortEdit::ExitPressed);
    Focus(line);
    QVERIFY(line->Capturing());
    QVERIFY(QWidget::keyboardGrabber() == nullptr);
    TapKey(line, Qt::Key_Escape, kEvdevEsc);
    QCOMPARE(exits.size(), 1);
    settings_.Set(Setting::TabKey, 4);  // left Control: the right one is not the way out
    TapKey(line, Qt::Key_Control, kEvdevRightControl);
    QCOMPARE(exits.size(), 1);
    TapKey(line, Qt::Key_Control, kEvdevLeftControl);
    QCOMPARE(exits.size(), 2);
    SendKey(line, QEvent::KeyPress, Qt::Key_Tab, kEvdevTab);
    QVERIFY(next->hasFocus());
    QVERIFY(!line->Capturing());
    QVERIFY(line->SourceText().contains(QString::fromUtf8("с порта клавиатуры")));
    slot->port = nullptr;
  }

  // The port memo takes every key; Tab shows its codes and then leaves.
  void TestWindowCaptureIsLeftWithTab() {
    TfmTest test(backend_, [] { return PortHandle(); });
    test.ShowTest();
    Focus(test.PortMemo());
    QVERIFY(test.Capturing());
    TapKey(test.PortMemo(), Qt::Key_Tab, kEvdevTab);
    QVERIFY(!test.Capturing());
    QVERIFY(test.System()->hasFocus());
    QCOMPARE(test.PortMemo()->toPlainText(), QStringLiteral("015 143 "));
  }

  void ToolWindowsReportAWindowRole() {
    QCOMPARE(QAccessible::queryAccessibleInterface(&main_->KeyInput())->role(), QAccessible::Window);
    TfmTest test(backend_, [] { return PortHandle(); });
    QCOMPARE(QAccessible::queryAccessibleInterface(&test)->role(), QAccessible::Window);
  }

  // A value label read by a fixed caption hides its value from a screen reader.
  void ProgressValuesAreReadByTheirValues() {
    TfmProgress& progress = main_->Device().Progress();
    for (const char* name : {"lbLayout", "lbMode", "lbStep"}) {
      auto* label = progress.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label != nullptr, name);
      label->setText(QStringLiteral("value of %1").arg(QLatin1String(name)));
      QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
      QCOMPARE(read->text(QAccessible::Name), label->text());
      QVERIFY2(!read->text(QAccessible::Description).isEmpty(), name);
    }
  }

  // With no port stored yet the choice in force is the default port: the list names it
  // instead of offering an empty, nameless line.
  void PortListNamesTheDefaultPortWhenNothingIsChosen() {
    TfmParameters& parameters = main_->Parameters();
    parameters.SetPortChoices({{QStringLiteral("none"), QStringLiteral("нет порта")}}, QString());
    auto* ports = parameters.findChild<QComboBox*>(QStringLiteral("cbPort"));
    QVERIFY(ports != nullptr);
    QCOMPARE(ports->count(), 2);
    QVERIFY(ports->currentText().contains(QLatin1String(kDefaultSerioRawPath)));
    QVERIFY(parameters.PortChoice().isEmpty());
  }

  void SimulatedKeysAreButtonsNamedByTheirLabels() {
    SimKeyField field(2, 1, ImageGeometry{});
    sim::ProgrammedLayout layout;
    layout.keys.resize(2);
    layout.keys[0].Func = kFuncMacro;
    layout.keys[0].Layers[0].Macro[0] = "\x1c";
    layout.keys[1].Func = 1;
    field.SetLayout(layout, 0, KeyLanguage::English);
    QAccessibleInterface* keys = QAccessible::queryAccessibleInterface(&field);
    QCOMPARE(keys->childCount(), 2);
    QAccessibleInterface* first = keys->child(0);
    QCOMPARE(first->role(), QAccessible::Button);
    QCOMPARE(first->text(QAccessible::Name), QStringLiteral("a"));
    QCOMPARE(keys->child(1)->text(QAccessible::Name), QString::fromUtf8("Переход на уровень вверх"));
    QCOMPARE(keys->indexOfChild(keys->child(1)), 1);
    QSignalSpy pressed(&field, &SimKeyField::KeyPressed);
    QSignalSpy released(&field, &SimKeyField::KeyReleased);
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(pressed.size(), 1);
    QCOMPARE(released.size(), 1);
  }

  // Every key of the list that a screen reader would read as punctuation or not
  // at all carries words.
  void SymbolOnlyKeyNamesHaveWords() {
    TfmKeyList list;
    int symbolOnly = 0;
    for (int row = 0; row < list.List()->count(); ++row) {
      const QListWidgetItem* item = list.List()->item(row);
      const QString name = item->text();
      if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); })) continue;
      if (name.size() == 1 && name[0].isDigit()) continue;
      ++symbolOnly;
      QVERIFY2(!item->data(Qt::AccessibleTextRole).toString().isEmpty(), qPrintable(name));
    }
    QCOMPARE(symbolOnly, 26);
    QCOMPARE(SpokenKeyName(QStringLiteral("<*>")), QString::fromUtf8("клавиша звёздочка на цифровом блоке"));
    QCOMPARE(SpokenKeyName(QStringLiteral("<7>")), QString::fromUtf8("клавиша 7 на цифровом блоке"));
  }

  void ContrastColoursKeepTheirRatiosAndTheUsualOnesStayByDefault() {
    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Highlight, QColor(48, 140, 198));
    const GridColours usual = GridColoursFor(light, false);
    QCOMPARE(usual.KeyRecord, QColor(157, 255, 182));
    QCOMPARE(usual.ShownLayer, QColor(Qt::red));
    QVERIFY(!usual.UnderlineShownLayer);

    QPalette dark;  // a desktop's high-contrast theme: white on black
    for (auto [ground, text] : {std::pair{QPalette::Window, QPalette::WindowText},
                                std::pair{QPalette::Base, QPalette::Text}}) {
      dark.setColor(ground, Qt::black);
      dark.setColor(text, Qt::white);
    }
    dark.setColor(QPalette::Highlight, QColor(26, 235, 255));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    QVERIFY(IsHighContrastPalette(dark));
    QVERIFY(!IsHighContrastPalette(light));

    for (const GridColours& colours : {GridColoursFor(light, true), GridColoursFor(dark, false)}) {
      QVERIFY(ContrastRatio(colours.Text, colours.Base) >= 4.5);
      QVERIFY(ContrastRatio(colours.Text, colours.KeyRecord) >= 4.5);
      QVERIFY(ContrastRatio(colours.SelectionText, colours.Selection) >= 4.5);
      QVERIFY(ContrastRatio(colours.FixedText, colours.Fixed) >= 4.5);
      QVERIFY(ContrastRatio(colours.ShownLayer, colours.KeyRecord) >= 4.5);
      QVERIFY(ContrastRatio(colours.ShownLayerSelected, colours.Selection) >= 4.5);
      QVERIFY(ContrastRatio(colours.KeyRecord, colours.Base) >= 3);
      QVERIFY(ContrastRatio(colours.Lines, colours.Base) >= 3);
      QVERIFY(ContrastRatio(colours.Lines, colours.KeyRecord) >= 3);
      QVERIFY(ContrastRatio(colours.Glyph, colours.KeyRecord) >= 3);
      QVERIFY(ContrastRatio(colours.GlyphSelected, colours.Selection) >= 3);
    }
    const GridColours own = GridColoursFor(light, true);
    QVERIFY(ContrastRatio(own.Lines, own.Selection) >= 3);
    QVERIFY(ContrastRatio(own.Selection, own.Base) >= 3);
    QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
  }
};

int RunAccessibilityTest(int argc, char** argv) {
  AccessibilityTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "AccessibilityTest.moc"
