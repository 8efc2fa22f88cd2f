// The key function and card-reader windows driven as a user would: keys typed
// into a line as desktop key events, the window left, the document checked.

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <deque>

#include "MainWindowFixture.h"
#include "app/input/CardInputWindow.h"
#include "app/editor/GridWindow.h"
#include "app/input/KeyInputWindow.h"
#include "app/input/KeyListDialog.h"
#include "app/main/MainWindow.h"
#include "app/input/PauseDialog.h"
#include "app/editor/VL2Grid.h"
#include "core/input/LineClipboard.h"
#include "core/settings/SettingsBackend.h"

namespace vl {
namespace {

// evdev codes of the keys the tests type.
constexpr int kKeyA = 30;
constexpr int kKeyB = 48;
constexpr int kRightCtrl = 97;
constexpr int kEsc = 1;

void Key(QWidget* target, int evdev, bool press) {
  QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, 0, Qt::NoModifier,
                  static_cast<quint32>(evdev + 8), 0, 0);
  QApplication::sendEvent(target, &event);
}

void Tap(QWidget* target, int evdev) {
  Key(target, evdev, true);
  Key(target, evdev, false);
}

// Accepts the next modal dialog once it is shown, after prepare has run on it.
template <typename Prepare>
void WhenModal(Prepare prepare) {
  QTimer::singleShot(0, [prepare] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    prepare(dialog);
    dialog->accept();
  });
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

}  // namespace

class InputWindowsTest : public test::MainWindowFixture {
  Q_OBJECT

 private:
  TfmGrid& Layout() { return *main_->ActiveLayout(); }
  TVL2Document& Document() { return Layout().Document(); }

  // The user goes back to the layout window.
  void LeaveWindow() { QApplication::setActiveWindow(main_.get()); }

 private slots:
  void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("Ostrel Velmorando AT")); }
  void init() { OpenMainWindow(); }
  void cleanup() { main_.reset(); }

  void TypedKeysAreWrittenToEverySelectedKey() {
    Layout().Grid().Select(2, 2, 3, 2);
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Клавиши (2,2)-(3,2)"));
    TPortEdit* line = window.PressLine(0);
    Focus(line);
    QVERIFY(line->Capturing());
    Tap(line, kKeyA);
    Key(line, kKeyB, true);
    Key(line, kKeyB, true);  // held: a repeat
    Key(line, kKeyB, false);
    Tap(line, kRightCtrl);
    QCOMPARE(line->CellTexts(), (QStringList{"a", QString::fromUtf8("Отжатие a"), "b",
                                             QString::fromUtf8("Отжатие b"), "RControl",
                                             QString::fromUtf8("Отжатие RControl")}));
    QVERIFY(!Document().Modified);
    LeaveWindow();
    QVERIFY(!line->Capturing());
    QVERIFY(Document().Modified);
    const std::string expected =
        Bytes({0x1C, 0xF0, 0x1C, 0x32, 0xF0, 0x32, 0xE0, 0x14, 0xE0, 0xF0, 0x14});
    for (int column : {2, 3}) {
      QVERIFY(Document().GetKey(column, 2) != nullptr);
      QCOMPARE(Document().GetKey(column, 2)->Layers[0].Macro[0], expected);
    }
  }

  // The texts the core composes from named pieces (the key window's caption, the
  // release chips, the cell information) follow the interface language.
  void ComposedCoreTextsFollowTheUkrainianTranslation() {
    QTranslator ukrainian;  // removes itself from the application when destroyed
    QVERIFY(ukrainian.load(QStringLiteral("velmorando_uk"), QStringLiteral(":/i18n")));
    QVERIFY(QCoreApplication::installTranslator(&ukrainian));
    Layout().Grid().Select(2, 2, 2, 2);
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Клавіша (2,2)"));
    TPortEdit* line = window.PressLine(0);
    Focus(line);
    Tap(line, kKeyA);
    QCOMPARE(line->CellTexts(), (QStringList{"a", QString::fromUtf8("Відпускання a")}));
    LeaveWindow();
    Document().GetKey(2, 2)->Layers[0].AutoRepeat = 1;
    Document().GetKey(2, 2)->Layers[1].Macro[1] = Bytes({0xF0, 0x1C});
    main_->ShowCellInformation(2, 2);
    const QString text = qobject_cast<QPlainTextEdit*>(main_->CellInfo()->widget())->toPlainText();
    QVERIFY2(text.startsWith(QString::fromUtf8("Дія: Макрос\n\nРівень 0\nНатискання: ")), qPrintable(text));
    QVERIFY2(text.contains(QString::fromUtf8("Автоповтор: так\n\nРівень 1\n"
                                             "Відпускання: МІСТИТЬ СИМВОЛИ, ЩО НЕ ВІДОБРАЖАЮТЬСЯ\n")),
             qPrintable(text));
  }

  // The box is off at first and kept in the settings; while on, the time
  // between typed keys goes into the line as pauses. The write is one step that
  // the main window's commands undo and redo.
  void RecordedPausesAndTheKeyWindowsStepsInTheHistory() {
    Layout().Grid().Select(4, 4, 4, 4);
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    QCheckBox* box = window.RecordPausesBox();
    QCOMPARE(box->text(), QString::fromUtf8("записывать паузы"));
    QCOMPARE(box->accessibleName(), box->text());
    QVERIFY(!box->isChecked());
    int64_t now = 0;
    window.SetPauseClock([&now] { return now; });
    box->setChecked(true);
    QCOMPARE(backend_.ReadInt("", "RecordPauses"), std::optional<uint32_t>(1));

    TPortEdit* line = window.PressLine(0);
    Focus(line);
    Key(line, kKeyA, true);
    now += 400;
    Key(line, kKeyA, false);
    QCOMPARE(line->Bytes(), Bytes({0x1C, 0xFF, 0x54, 0xF0, 0x1C}));
    LeaveWindow();
    QCOMPARE(Document().GetKey(4, 4)->Layers[0].Macro[0], Bytes({0x1C, 0xFF, 0x54, 0xF0, 0x1C}));

    QCOMPARE(main_->Action("acUndo")->text(), QString::fromUtf8("&Отменить изменение данных"));
    main_->Action("acUndo")->trigger();
    QVERIFY(Document().GetKey(4, 4) == nullptr);
    QVERIFY(!Document().Modified);
    QCOMPARE(main_->Action("acRedo")->text(), QString::fromUtf8("&Повторить изменение данных"));
    QCOMPARE(main_->Action("acRedo")->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    main_->Action("acRedo")->trigger();
    QCOMPARE(Document().GetKey(4, 4)->Layers[0].Macro[0], Bytes({0x1C, 0xFF, 0x54, 0xF0, 0x1C}));
    QVERIFY(!main_->Action("acRedo")->isEnabled());

    // A window made anew reads the box from the settings.
    main_ = std::make_unique<TfmMain>(settings_, backend_, QString(), QStringList{}, &prompt_);
    main_->show();
    main_->CreateDialogs();
    QVERIFY(main_->KeyInput().RecordPausesBox()->isChecked());
  }

  // Without a window manager a click on the grid changes the selection while
  // the key window keeps the focus; the edits belong to the keys they were made for.
  void SelectionChangeWhileEditingKeepsTheEdits() {
    Layout().Grid().Select(7, 1, 7, 1);
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main_->KeyInput().PressLine(0);
    Focus(line);
    Tap(line, kKeyA);
    Layout().Grid().Select(8, 1, 8, 1);
    QVERIFY(Document().GetKey(7, 1) != nullptr);
    QCOMPARE(Document().GetKey(7, 1)->Layers[0].Macro[0], Bytes({0x1C, 0xF0, 0x1C}));
    QVERIFY(Document().GetKey(8, 1) == nullptr);
    QVERIFY(line->Bytes().empty());
  }

  void ExitKeyMovesOnWithoutRecording() {
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TPortEdit* line = main_->KeyInput().PressLine(0);
    Focus(line);
    Tap(line, kEsc);  // setting "tab key" 0: Esc
    QVERIFY(!line->hasFocus());
    QVERIFY(line->Bytes().empty());
    TfmKeyInputWnd& window = main_->KeyInput();

    // Nothing goes on capturing: the next line did, unseen.
    main_->Action("acCardInput")->trigger();
    TfmCardInputWnd& card = main_->CardInput();
    QApplication::setActiveWindow(&card);
    QTest::mouseClick(card.TrackBox(0), Qt::LeftButton);
    QTest::mouseClick(card.TrackBox(1), Qt::LeftButton);
    Focus(card.PressLine(0));
    Tap(card.PressLine(0), kEsc);
    for (int row = 0; row < kInputRows; ++row) QVERIFY(!card.PressLine(row)->Capturing());
    Tap(&card, kKeyA);
    QVERIFY(card.PressLine(1)->Bytes().empty());

    // The same for a page switched while a line captures.
    window.Pages()->setCurrentIndex(1);
    QTabBar* tabs = window.Pages()->tabBar();
    Focus(window.ReleaseLine(0));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QCOMPARE(window.Pages()->currentIndex(), 0);
    for (int row = 0; row < kInputRows; ++row) QVERIFY(!window.PressLine(row)->Capturing());
  }

  void OnlyChangedFieldsAreWritten() {
    for (int column : {1, 2}) {
      auto key = std::make_unique<TMacroButton>();
      key->Func = kFuncMacro;
      key->Layers[0].Macro[1] = std::string(1, static_cast<char>(0x10 + column));
      key->Layers[2].Note = "keep";
      Document().SetKey(column, 1, std::move(key));
    }
    Layout().Grid().Select(1, 1, 2, 1);
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    QVERIFY(window.ReleaseLine(0)->Bytes().empty());  // the keys differ there
    Focus(window.PressLine(1));
    Tap(window.PressLine(1), kKeyA);
    QTest::mouseClick(window.AutoRepeatBox(3), Qt::LeftButton);
    LeaveWindow();
    for (int column : {1, 2}) {
      const TMacroButton* key = Document().GetKey(column, 1);
      QCOMPARE(key->Layers[0].Macro[1], std::string(1, static_cast<char>(0x10 + column)));
      QCOMPARE(key->Layers[1].Macro[0], Bytes({0x1C, 0xF0, 0x1C}));
      QCOMPARE(key->Layers[3].AutoRepeat, uint8_t{1});
      QCOMPARE(key->Layers[2].Note, std::string("keep"));
    }
  }

  void FunctionChoiceHidesThePages() {
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    QCOMPARE(window.FunctionBox()->currentIndex(), -1);  // an empty key has no function
    QVERIFY(!window.Pages()->isHidden());
    QApplication::setActiveWindow(&window);
    window.FunctionBox()->setCurrentIndex(3);
    emit window.FunctionBox()->activated(3);
    QVERIFY(window.Pages()->isHidden());
    LeaveWindow();
    QCOMPARE(Document().GetKey(1, 1)->Func, uint8_t{3});
  }

  void DoubleClickOpensTheKeyWindowAndClosingTheLastLayoutHidesIt() {
    Layout().Grid().Select(4, 5, 4, 5);
    emit Layout().Grid().KeyDoubleClicked();
    QVERIFY(main_->KeyInput().isVisible());
    QCOMPARE(main_->KeyInput().windowTitle(), QString::fromUtf8("Клавиша (4,5)"));
    main_->CloseAll();
    QTRY_VERIFY(!main_->KeyInput().isVisible());
  }

  void ToolWindowsCoveredModalDialogs() {
    // Both stay above the main window only, so that a dialog of the program (a
    // file dialog, a message box) opened while they are shown comes over them.
    for (QWidget* tool : {static_cast<QWidget*>(&main_->KeyInput()), static_cast<QWidget*>(&main_->CardInput())}) {
      QCOMPARE(tool->windowType(), Qt::Tool);
      QVERIFY(!tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
      QCOMPARE(tool->parentWidget(), main_.get());
    }
  }

  void ToolWindowsFirstShownOverTheMenus() {
    main_->setGeometry(100, 100, 1200, 800);
    main_->KeyInput().show();
    main_->CardInput().show();
    const QRect owner = main_->frameGeometry();
    const QRect key = main_->KeyInput().frameGeometry();
    const QRect card = main_->CardInput().frameGeometry();
    QVERIFY(owner.contains(key));
    QVERIFY(owner.contains(card));
    QVERIFY(!key.intersects(card));
    // Below the menus and toolbars, so that they stay usable.
    QVERIFY(key.top() > main_->mapToGlobal(main_->centralWidget()->geometry().topLeft()).y());
    QVERIFY(card.top() > main_->mapToGlobal(main_->centralWidget()->geometry().topLeft()).y());
  }

  void ListsAndFieldsLackedAccessibleNames() {
    // Whatever a screen reader would announce without a name, in every window the
    // program creates at start-up. The text entry's field takes the caption it is
    // opened with.
    QStringList unnamed;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      const auto controls = top->findChildren<QWidget*>();
      for (QWidget* control : controls) {
        if (!control->focusPolicy() || qobject_cast<QAbstractScrollArea*>(control->parentWidget()) ||
            control->inherits("QComboBoxPrivateContainer") || control->inherits("QMenu") ||
            qobject_cast<QTabWidget*>(control) || qobject_cast<QAbstractSpinBox*>(control->parentWidget()) ||
            control->parentWidget()->inherits("vl::TfmTextEntry"))
          continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (face != nullptr && control->accessibleName().isEmpty() &&
            face->text(QAccessible::Name).trimmed().isEmpty())
          unnamed << QStringLiteral("%1 in %2").arg(QString::fromLatin1(control->metaObject()->className()),
                                                    QString::fromLatin1(control->window()->metaObject()->className()));
      }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
  }

  void LineCommandsAddNamedKeysPausesAndClipboard() {
    Layout().Action(TfmGrid::acKeyInput)->trigger();
    TfmKeyInputWnd& window = main_->KeyInput();
    TPortEdit* line = window.PressLine(0);
    Focus(line);
    window.RefreshCommands();
    QVERIFY(!window.Action(TfmInputWnd::LineCommand::Pause)->isEnabled());
    WhenModal([](QDialog* dialog) {
      QCOMPARE(dialog->windowTitle(), QString::fromUtf8("Добавить код нажатия"));
      // The title was cut: the desktop shows it followed by the program's name,
      // in a bold font, and the list was narrower than that.
      QFont bold = QApplication::font();
      bold.setBold(true);
      const QString shown = dialog->windowTitle() + QString::fromUtf8(" — Ostrel Velmorando AT");
      QVERIFY(dialog->width() >= QFontMetrics(bold).horizontalAdvance(shown));
      static_cast<TfmKeyList*>(dialog)->List()->setCurrentRow(0);  // right Control
    });
    window.Action(TfmInputWnd::LineCommand::AddDown)->trigger();
    QCOMPARE(line->Bytes(), Bytes({0xE0, 0x14}));
    QTRY_VERIFY(line->Capturing());  // resumed after the modal window

    window.RefreshCommands();
    WhenModal([](QDialog* dialog) { static_cast<TfmPause*>(dialog)->Before()->setValue(15); });
    window.Action(TfmInputWnd::LineCommand::Pause)->trigger();
    QCOMPARE(line->Bytes(), Bytes({0xFF, 0x5F, 0xE0, 0x14}));
    QTRY_VERIFY(line->Capturing());

    window.Action(TfmInputWnd::LineCommand::Copy)->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data != nullptr && data->hasFormat(kScanCodesMimeType));
    TPortEdit* other = window.PressLine(1);
    Focus(other);
    window.Action(TfmInputWnd::LineCommand::Paste)->trigger();
    window.Action(TfmInputWnd::LineCommand::Paste)->trigger();
    QCOMPARE(other->Bytes(), line->Bytes() + line->Bytes());

    // A plain text becomes the keys of its letters.
    QApplication::clipboard()->setText("ab");
    window.Action(TfmInputWnd::LineCommand::Clear)->trigger();
    window.Action(TfmInputWnd::LineCommand::Paste)->trigger();
    QCOMPARE(other->Bytes(), Bytes({0x1C, 0xF0, 0x1C, 0x32, 0xF0, 0x32}));

    // Too much from the private format is refused whole.
    auto* big = new QMimeData;
    big->setData(kScanCodesMimeType, QByteArray::fromStdString(EncodeLineClipboard(std::string(240, '\x1c'))));
    QApplication::clipboard()->setMimeData(big);
    window.Action(TfmInputWnd::LineCommand::Paste)->trigger();
    QCOMPARE(other->Bytes().size(), size_t{6});
    QCOMPARE(prompt_.Texts().back(), std::string("Вставка данных приведет к переполнению строки ввода."));
  }

  void CardReaderWindowWritesTracksAndOutputFlags() {
    main_->Action("acCardInput")->trigger();
    TfmCardInputWnd& window = main_->CardInput();
    QVERIFY(window.isVisible());
    QVERIFY(!window.PressLine(1)->isEnabled());
    QVERIFY(!window.LrcBox()->isEnabled());
    QVERIFY(!window.Action(TfmInputWnd::LineCommand::Beep)->isVisible());
    QCOMPARE(window.PressLine(1)->accessibleName(), QString::fromUtf8("Header, дорожка 2"));
    QApplication::setActiveWindow(&window);
    QTest::mouseClick(window.TrackBox(1), Qt::LeftButton);
    QVERIFY(window.PressLine(1)->isEnabled());
    QTest::mouseClick(window.StartStopBox(), Qt::LeftButton);
    QTest::mouseClick(window.LrcBox(), Qt::LeftButton);
    Focus(window.ReleaseLine(1));
    Tap(window.ReleaseLine(1), kKeyA);
    LeaveWindow();
    QCOMPARE(Document().TrackMask, uint8_t{0x02});
    QCOMPARE(Document().CardReader.Layers[0].Click, uint8_t{kCardOutputStartStop | kCardOutputLrc});
    QCOMPARE(Document().CardReader.Layers[1].Macro[1], Bytes({0x1C, 0xF0, 0x1C}));
    QVERIFY(Document().Modified);

    QApplication::setActiveWindow(&window);
    QTest::mouseClick(window.StartStopBox(), Qt::LeftButton);  // takes LRC with it
    QVERIFY(!window.LrcBox()->isChecked());
    LeaveWindow();
    QCOMPARE(Document().CardReader.Layers[0].Click, uint8_t{0});
  }

  // The device's card reader read into the layout (an upload, undo) while the
  // window shows the old one: leaving the window keeps what was read.
  void CardReaderWindowFollowsTheDocument() {
    main_->Action("acCardInput")->trigger();
    TfmCardInputWnd& window = main_->CardInput();
    LeaveWindow();
    TMacroButton read;
    read.Layers[2].Macro[0] = Bytes({0x1C, 0xF0, 0x1C});
    read.Layers[2].Note = "track";
    Document().SetCardReader(read);
    Document().SetTrackMask(0x04);
    Document().Modified = false;
    Document().Notify(DocumentNotification::ContentChanged);
    QVERIFY(window.TrackBox(2)->isChecked());
    QCOMPARE(window.PressLine(2)->Bytes(), read.Layers[2].Macro[0]);

    QApplication::setActiveWindow(&window);
    LeaveWindow();
    QVERIFY(Document().CardReader == read);
    QCOMPARE(Document().TrackMask, uint8_t{0x04});
    QVERIFY(!Document().Modified);

    // A track that is off shows nothing that can be edited, its note included,
    // and its lines were drawn white like the ones that take keys.
    for (int track = 0; track < kInputRows; ++track) {
      const bool on = track == 2;
      const QImage drawn = window.PressLine(track)->grab().toImage();
      QCOMPARE(drawn.pixelColor(drawn.width() - 5, drawn.height() / 2) == QColor(Qt::white), on);
      QCOMPARE(window.PressLine(track)->isEnabled(), on);
      QCOMPARE(window.NoteEdit(track)->isEnabled(), on);
      QCOMPARE(qobject_cast<QLabel*>(window.NoteEdit(track)->parentWidget()->layout()->itemAt(
                                         track * 2)->widget())->isEnabled(), on);
    }
  }
};

int RunInputWindowsTest(int argc, char** argv) {
  InputWindowsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "InputWindowsTest.moc"
