// Regression tests for what a new user met on the first day: keys the MDI
// windows took, a missing documents folder, windows larger than the area, help
// behind a modal dialog, a stale cell dock, text under the glyphs and commands
// that did nothing visible.

#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <map>

#include "AppFixture.h"
#include "app/catalogue/SpecialPasteDialog.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/editor/ArrangeDialog.h"
#include "app/main/CommandLine.h"
#include "app/main/WindowPlacement.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/editor/ParametersDialog.h"
#include "app/common/TextEntryDialog.h"
#include "app/editor/VL2Grid.h"
#include "core/document/KeyNoteOps.h"

namespace vl {

namespace {

QRect AreaOf(TfmMain& main) {
  return QRect(QPoint(0, 0), main.findChild<QMdiArea*>()->viewport()->size());
}

}  // namespace

class FirstDayTest : public QObject, public AppFixture {
  Q_OBJECT

 private slots:
  void init() { Reset(); }
  void cleanup() { Stop(); }

  void SubWindowCloseTookCtrlW() {
    TfmMain& main = Start();
    main.NewLayout();
    // Every key that works window-wide belongs to one command only (a layout
    // window's own keys work within that window).
    std::map<QString, QStringList> owners;
    for (QAction* action : main.findChildren<QAction*>()) {
      const Qt::ShortcutContext context = action->shortcutContext();
      if (context == Qt::WidgetShortcut || context == Qt::WidgetWithChildrenShortcut) continue;
      for (const QKeySequence& key : action->shortcuts()) {
        owners[key.toString()] << (action->objectName().isEmpty() ? action->text() : action->objectName());
      }
    }
    for (const auto& [key, names] : owners) QVERIFY2(names.size() == 1, qPrintable(key + ": " + names.join(' ')));
    QCOMPARE(owners[QKeySequence(Qt::CTRL | Qt::Key_W).toString()], QStringList{"acSpecialPaste"});
  }

  void SaveFailedWhereTheDocumentsFolderWasMissing() {
    QTemporaryDir home;
    const QString documents = home.filePath("Documents");
    settings_.SetLayoutsPath(documents.toStdString());
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    dialogs_->names = {documents + "/first.vld"};
    QVERIFY(main.SaveWindow(*window, false));
    QCOMPARE(dialogs_->folders.back(), documents);
    QVERIFY(QFile::exists(documents + "/first.vld"));
    // A folder that cannot be made gives way to the layout's own folder, then
    // to the last one used, and to the home folder when both are gone.
    settings_.SetLayoutsPath("/proc/no-such-folder");
    main.SaveWindow(*window, true);
    QCOMPARE(dialogs_->folders.back(), documents);
    TfmGrid* untitled = main.NewLayout();
    untitled->Document().Modified = true;
    main.SaveWindow(*untitled, false);
    QCOMPARE(dialogs_->folders.back(), documents);
    QVERIFY(QDir(documents).removeRecursively());
    main.SaveWindow(*untitled, false);
    QCOMPARE(dialogs_->folders.back(), QDir::homePath());
  }

  // --help was opened as a layout file, and so was any mistyped option.
  void OptionsWereTakenForFiles() {
    using Action = EditorCommandLine::Action;
    QCOMPARE(ParseEditorCommandLine({"--help"}).action, Action::Help);
    QCOMPARE(ParseEditorCommandLine({"a.vld", "--version"}).action, Action::Version);
    const EditorCommandLine typo = ParseEditorCommandLine({"a.vld", "--prot", "sim"});
    QCOMPARE(typo.action, Action::Refuse);
    QVERIFY(typo.error.find("--prot") != std::string::npos);
    QCOMPARE(ParseEditorCommandLine({"--data"}).action, Action::Refuse);
    const EditorCommandLine run =
        ParseEditorCommandLine({"--no-splash", "--port", "sim", "a.vld", "--data", "/d", "--", "--odd.vld"});
    QCOMPARE(run.action, Action::Run);
    QVERIFY(!run.splash);
    QCOMPARE(run.port, std::string("sim"));
    QCOMPARE(run.data, std::string("/d"));
    QCOMPARE(run.files, (std::vector<std::string>{"a.vld", "--odd.vld"}));
    for (const char* option : {"--no-splash", "--data", "--port", "--help", "--version"})
      QVERIFY2(EditorUsage().find(option) != std::string::npos, option);
  }

  // The dialogs started in the layouts folder whatever layout was worked on.
  void FileDialogsStartedFarFromTheLayout() {
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath("shop.vld");
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    dialogs_->names = {file};
    QVERIFY(main.SaveWindow(*window, false));
    main.Action("acOpen")->trigger();
    QCOMPARE(dialogs_->folders.back(), elsewhere.path());
  }

  void LayoutWindowsOpenedLargerThanTheArea() {
    TfmMain& main = Start();
    const QRect screen = main.screen()->availableGeometry();
    QVERIFY(screen.contains(main.frameGeometry()));
    QVERIFY(main.width() >= screen.width() / 2);
    main.Action("acViewCellInfo")->trigger();
    QCoreApplication::processEvents();
    for (int i = 0; i < 12; ++i) main.NewLayout();
    const QRect area = AreaOf(main);
    for (QMdiSubWindow* sub : main.findChildren<QMdiSubWindow*>()) {
      QVERIFY2(area.contains(sub->geometry()), qPrintable(sub->windowTitle()));
    }
    // A smaller area brings the windows back into it.
    main.resize(main.width() - 150, main.height() - 100);
    QCoreApplication::processEvents();
    const QRect smaller = AreaOf(main);
    for (QMdiSubWindow* sub : main.findChildren<QMdiSubWindow*>()) QVERIFY(smaller.contains(sub->geometry()));
  }

  void CascadeShrankTheWindowsIntoACorner() {
    TfmMain& main = Start();
    main.NewLayout();
    main.NewLayout();
    main.Placement().Arrange(TfmArrange::kCascade);
    const QRect area = AreaOf(main);
    QPoint previous(-1, -1);
    for (QMdiSubWindow* sub : main.findChildren<QMdiSubWindow*>()) {
      QVERIFY(area.contains(sub->geometry()));
      QVERIFY(sub->width() >= area.width() * 2 / 3);
      QVERIFY(sub->height() >= area.height() * 2 / 3);
      QVERIFY(sub->pos() != previous);
      previous = sub->pos();
    }
  }

  void HelpFromAModalDialogWasBlockedBehindIt() {
    TfmMain& main = Start();
    TfmParameters& dialog = main.Parameters();
    QWidget* help = nullptr;
    WhenShown([&] {
      for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8("Справка")) button->click();
      }
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == QString::fromUtf8("Справочная система") && window->isVisible()) help = window;
      }
      // A window of the modal dialog is the one kind the dialog does not block.
      QVERIFY(help && help->parentWidget() == &dialog);
      help->close();
    });
    dialog.Exec(TfmParameters::kPageGeneral);
    QVERIFY(help);
  }

  void HelpButtonsLookedDifferent() {
    TfmMain& main = Start();
    const QList<QDialog*> dialogs = {&main.Parameters(), &main.TemplateChoice(), &main.SupportedDevices(),
                                     &main.SpecialPasteDialog(), &main.CopyToLayersDialog(),
                                     &main.GotoBookmark()};
    for (QDialog* dialog : dialogs) {
      int helpButtons = 0;
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() != QString::fromUtf8("Справка")) continue;
        ++helpButtons;
        QVERIFY2(button->icon().isNull(), qPrintable(dialog->windowTitle()));
      }
      QCOMPARE(helpButtons, 1);
    }
  }

  void CellDockShowedTheOldContentAfterAnEdit() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    main.Action("acViewCellInfo")->trigger();
    main.ShowCellInformation(2, 3);  // the pointer rests on the key
    SetKeyNote(window->Document(), {2, 3, 2, 3}, "till");
    auto* text = qobject_cast<QPlainTextEdit*>(main.CellInfo()->widget());
    QVERIFY(text->toPlainText().contains("Примечание: till"));
  }

  void KeyTextWasDrawnOverTheCornerGlyphs() {
    TfmMain& main = Start();
    TVL2Grid& grid = main.LayoutWindows()[0]->Grid();
    QCOMPARE(grid.ViewMode(), 1);
    Put(grid.Document(), 1, 1, std::string(12, '\x1c'));  // a long line of A
    SetKeyNote(grid.Document(), {1, 1, 1, 1}, "note");
    grid.Select(5, 5, 5, 5);
    const QImage picture = grid.viewport()->grab().toImage();
    const QRect cell = grid.CellRect(1, 1);
    const QRgb background = picture.pixel(cell.right() - 1, cell.bottom() - 1);
    // Rows 1 to 6 right of the glyphs stay clear of text.
    for (int y = cell.top() + 1; y <= cell.top() + 6; ++y) {
      for (int x = cell.left() + 17; x < cell.right(); ++x) {
        QVERIFY2(picture.pixel(x, y) == background, qPrintable(QString("%1,%2").arg(x).arg(y)));
      }
    }
  }

  void NoteAndBookmarkDialogsHadNoPrompt() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    for (TfmGrid::Command command : {TfmGrid::acNoteAdd, TfmGrid::acMarkAdd}) {
      bool prompted = false;
      WhenShown([&] {
        QLabel* label = main.TextEntry().PromptLabel();
        prompted = label->isVisible() && !label->text().isEmpty();
      });
      window->Action(command)->trigger();
      QVERIFY(prompted);
    }
  }

  void DeleteWasOfferedForNotesAndBookmarksThatAreNotThere() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Grid().Select(2, 2, 4, 4);
    for (const char* name : {"acNoteDelete", "acMarkDelete"}) QVERIFY(!main.Action(name)->isEnabled());
    QVERIFY(!window->Action(TfmGrid::acNoteDelete)->isEnabled());
    SetKeyNote(window->Document(), {3, 3, 3, 3}, "n");
    QVERIFY(main.Action("acNoteDelete")->isEnabled());
    QVERIFY(window->Action(TfmGrid::acNoteDelete)->isEnabled());
    QVERIFY(!main.Action("acMarkDelete")->isEnabled());
    SetMark(window->Document(), 4, 4, "m");
    QVERIFY(main.Action("acMarkDelete")->isEnabled());
    window->Grid().Select(1, 1, 1, 1);
    QVERIFY(!main.Action("acMarkDelete")->isEnabled());
  }

  void WebSiteCommandWasSilentWithoutABrowser() {
    TfmMain& main = Start();
    main.OpenUrl = [](const QUrl&) { return false; };
    main.Action("acWWW")->trigger();
    QCOMPARE(prompt_->Texts().size(), size_t{1});
    QVERIFY(QString::fromStdString(prompt_->Texts().back()).contains("http://www.ostrel.example"));
  }
};

int RunFirstDayTest(int argc, char** argv) {
  FirstDayTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "FirstDayTest.moc"
