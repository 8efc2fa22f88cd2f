// The application's flows on the offscreen platform: start-up, the file flows
// that need no dialog, the close query, the key grid's mouse handling, autosave
// and the settings dialog.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>

#include "AppFixture.h"
#include "app/main/MainWindow.h"
#include "app/editor/ParametersDialog.h"
#include "app/common/TextEntryDialog.h"
#include "app/common/UiLanguage.h"
#include "app/editor/VL2Grid.h"
#include "core/document/LayoutFile.h"
#include "core/text/Cp1251.h"

using namespace vl;

class AppTest : public QObject, public AppFixture {
  Q_OBJECT

 private slots:
  void init() { Reset(); }
  void cleanup() { Stop(); }

  void StartupCreatesOneNumberedUntitledLayout() {
    TfmMain& main = Start();
    QCOMPARE(main.LayoutWindows().size(), 1);
    QCOMPARE(main.LayoutWindows()[0]->Caption(), QString::fromUtf8("Раскладка1"));
    QCOMPARE(main.NewLayout()->Caption(), QString::fromUtf8("Раскладка2"));
    QCOMPARE(main.StatusText(StatusPanel::Position), QStringLiteral("(A,1)"));
  }

  void ImportReplacesTheUntitledUnmodifiedLayout() {
    TfmMain& main = Start();
    QTemporaryDir dir;
    TfmGrid* first = main.LayoutWindows()[0];
    Put(first->Document(), 3, 4, "\x1c");
    const QString file = dir.filePath("one.mtf");
    QVERIFY(main.Documents().ExportTo(*first, file));
    QVERIFY(!first->Document().Busy);
    // A modified untitled layout stays; an unmodified one is replaced.
    first->Document().Modified = true;
    main.Documents().ImportFile(file);
    QCOMPARE(main.LayoutWindows().size(), 2);
    main.LayoutWindows()[1]->Document().Modified = false;
    main.Documents().ImportFile(file);
    FlushDeletes();
    QCOMPARE(main.LayoutWindows().size(), 2);
    QVERIFY(main.LayoutWindows()[1]->Document().GetKey(3, 4) != nullptr);
  }

  // What the text cannot carry is told once, after the file is written, as a warning.
  void ExportTellsWhatTheTextCannotCarryInOneMessage() {
    TfmMain& main = Start();
    QTemporaryDir dir;
    TfmGrid* window = main.LayoutWindows()[0];
    Put(window->Document(), 3, 1, "\x1F\xF0\x1F");
    Put(window->Document(), 4, 1, "\x1C\x61");
    const QString file = dir.filePath("keys.mtf");
    QVERIFY(main.Documents().ExportTo(*window, file));
    QVERIFY(QFile::exists(file));
    QCOMPARE(prompt_->shown.size(), size_t{1});
    QCOMPARE(prompt_->shown[0].icon, MessageIcon::Warning);
    QCOMPARE(prompt_->Messages()[0],
             std::string("Экспорт в Macro Text Format выполнен. В файл не вошло:\n"
                         "клавиша (3,1) уровень 0: код 1F (левая Windows) не имеет имени в Macro Text Format\n"
                         "клавиша (4,1) уровень 0: код 61 (102-я клавиша) не имеет имени в Macro Text Format"));
  }

  void StartupWithTwoFilesOpensTwoWindowsAndNoUntitledOne() {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.vld");
    const QString second = dir.filePath("second.vld");
    for (const QString& file : {first, second}) {
      TVL2Document document;
      NullReporter reporter;
      SaveLayout(document, file.toStdString(), settings_, reporter);
    }
    TfmMain& main = Start({first, second});
    QCOMPARE(main.LayoutWindows().size(), 2);
    QCOMPARE(main.LayoutWindows()[0]->Caption(), QStringLiteral("first"));
    QCOMPARE(main.LayoutWindows()[1]->Caption(), QStringLiteral("second"));

    // Opening it again: unmodified does nothing; modified asks, and No keeps the edits.
    main.Documents().OpenFile(first);
    QVERIFY(prompt_->shown.empty());
    QCOMPARE(main.LayoutWindows().size(), 2);
    main.LayoutWindows()[0]->Document().Modified = true;
    prompt_->answers = {Answer::No};
    main.Documents().OpenFile(first);
    QCOMPARE(prompt_->Texts().back(), "Файл " + first.toUpper().toStdString() +
                                        " уже открыт. Вернуться к сохраненному файлу?");
    QVERIFY(main.LayoutWindows()[0]->Document().Modified);
  }

  void OpenFailureShowsTheMessageAndOpensNothing() {
    TfmMain& main = Start();
    main.Documents().OpenFile(QStringLiteral("/nonexistent/missing.vld"));
    QCOMPARE(prompt_->shown.size(), size_t{1});
    QCOMPARE(main.LayoutWindows().size(), 1);
  }

  // Each failed file command tells one message, opens nothing and leaves the
  // layout as it was: an unreadable layout file in the open command's words, a
  // Macro Text Format file and a failed write in their own.
  void FileFailuresAreToldOnceAndChangeNothing() {
    TfmMain& main = Start();
    QTemporaryDir dir;
    const QString garbage = dir.filePath("garbage.vld");
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02 not a layout");
    file.close();
    main.Documents().OpenFile(garbage);
    QCOMPARE(prompt_->Messages(), std::vector<std::string>{"Ошибка чтения из файла.\n\r(" + garbage.toStdString() + ")"});

    const QString missing = dir.filePath("missing.mtf");
    main.Documents().ImportFile(missing);
    QCOMPARE(prompt_->Messages().back(), "Ошибка чтения файла.\n\r(" + missing.toStdString() + ")");
    QCOMPARE(main.LayoutWindows().size(), 1);

    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    const QString unwritable = dir.filePath("no folder/layout.vld");
    dialogs_->names = {unwritable};
    QVERIFY(!main.SaveWindow(*window, false));
    QVERIFY(!main.Documents().ExportTo(*window, dir.filePath("no folder/layout.mtf")));
    QCOMPARE(prompt_->Messages().size(), size_t{4});
    QVERIFY(prompt_->Messages()[2].ends_with("(" + unwritable.toStdString() + ")"));
    QVERIFY(window->Document().Modified);
    QVERIFY(!window->Document().Named);
    QVERIFY(!window->Document().Busy);
    QCOMPARE(window->Caption(), QString::fromUtf8("Раскладка1"));
  }

  // A main window command without a handler stops the start with its name; rows
  // that forward to the layout window or belong to it alone need none.
  void CommandRowWithoutHandlerIsReportedByName() {
    std::vector<CommandRow> rows = {
        {.Name = "acHandled"},
        {.Name = "acForwarded", .Place = CommandPlace::Both, .Grid = GridCommand::acCut},
        {.Name = "acLayoutOnly", .Place = CommandPlace::Layout},
        {.Name = "acForgotten", .Place = CommandPlace::Both},
    };
    const CommandHandlers handlers = {{"acHandled", [] {}}};
    try {
      CheckCommandHandlers(rows, handlers);
      QFAIL("a row without a handler passed");
    } catch (const std::logic_error& error) {
      QVERIFY(std::string(error.what()).ends_with("acForgotten"));
    }
    rows.pop_back();
    CheckCommandHandlers(rows, handlers);
  }

  void SaveOfUnmodifiedNamedLayoutWritesNothing() {
    TfmMain& main = Start();
    QTemporaryDir dir;
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Named = true;
    window->Document().FileName = dir.filePath("named.vld").toStdString();
    QVERIFY(main.SaveWindow(*window, false));
    QCOMPARE(dialogs_->calls, 0);
    QVERIFY(!QFile::exists(dir.filePath("named.vld")));
  }

  void SaveCancelledInTheDialogFailsAndClearsBusy() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    QVERIFY(!main.SaveWindow(*window, false));
    QCOMPARE(dialogs_->calls, 1);
    QVERIFY(!window->Document().Busy);
  }

  void CloseQueryAnswers() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    prompt_->answers = {Answer::Cancel, Answer::Yes, Answer::No};
    QVERIFY(!window->QueryClose());
    QCOMPARE(prompt_->Texts().back(),
             std::string("Раскладка [Раскладка1] была изменена. Сохранить?"));
    // Yes runs the save flow; the dialog is cancelled, so the window stays.
    QVERIFY(!window->QueryClose());
    QCOMPARE(dialogs_->calls, 1);
    QVERIFY(window->QueryClose());
  }

  void CloseAllStopsAtCancelAndRemembersNamedFiles() {
    TfmMain& main = Start();
    main.NewLayout();
    main.NewLayout();
    auto windows = main.LayoutWindows();
    windows[0]->Document().FileName = "/tmp/First.vld";
    for (TfmGrid* window : windows) window->Document().Modified = true;
    prompt_->answers = {Answer::No, Answer::Cancel};
    main.CloseAll();
    FlushDeletes();
    QCOMPARE(main.LayoutWindows().size(), 2);
    QCOMPARE(main.Recent().Items().front(), std::string("/tmp/First.vld"));
  }

  void ExitSavesPlacementAndRecentFilesAndReopensThem() {
    TfmMain& main = Start();
    main.LayoutWindows()[0]->Document().FileName = "/tmp/Kept.vld";
    const QRect placed(40, 50, 640, 480);
    main.setGeometry(placed);
    QVERIFY(main.close());
    QCOMPARE(backend_.ReadInt("Windows\\Main", "rcNormalPosition_Right"), std::optional<uint32_t>(680));
    QCOMPARE(*backend_.ReadString("MRUList", "MRU1"), std::string("/tmp/Kept.vld"));
    TfmMain& again = Start();
    QCOMPARE(again.Recent().Items().size(), size_t{1});
    QCOMPARE(again.geometry(), placed);
    // A placement with a value missing is not used.
    QVERIFY(again.close());
    backend_.Remove("Windows\\Main", "Flags");
    QVERIFY(Start().geometry() != placed);
  }

  void UndoCommandNamesTheStepAndUndoesIt() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    Put(window->Document(), 1, 1, "\x1c");
    window->Grid().Select(1, 1, 1, 1);
    main.Action("acClear")->trigger();
    QVERIFY(window->Document().GetKey(1, 1) == nullptr);
    QAction* undo = main.Action("acUndo");
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QString::fromUtf8("&Отменить удаление"));
    QCOMPARE(main.StatusText(StatusPanel::Saved), QString::fromUtf8("не сохранена"));
    undo->trigger();
    QVERIFY(window->Document().GetKey(1, 1) != nullptr);
    // Back at the state the layout came with: it shows as saved again.
    QCOMPARE(main.StatusText(StatusPanel::Saved), QString());
    QVERIFY(!undo->isEnabled());
  }

  void CheckRemarksOpenThePanelAndJumpToTheKey() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncShiftToLayer0 + 3;  // a switch to layer 3
    window->Document().SetKey(7, 9, std::move(key));
    settings_.Set(Setting::LayerCount, 0);  // one layer loaded: layer 3 is out of reach
    main.CheckActiveLayout();
    QVERIFY(window->CheckPanelVisible());
    QListWidget* panel = window->CheckPanel();
    for (int i = 0; i < panel->count(); ++i) {
      if (!panel->item(i)->text().contains("(7:9)")) continue;
      emit panel->itemActivated(panel->item(i));  // a double-click or Enter
      QCOMPARE(window->Grid().Selection(), (TRect{7, 9, 7, 9}));
      // Enter on the remark jumps too.
      window->Grid().Select(1, 1, 1, 1);
      panel->setCurrentRow(i);
      QTest::keyClick(panel, Qt::Key_Return);
      QCOMPARE(window->Grid().Selection(), (TRect{7, 9, 7, 9}));
      window->Action(TfmGrid::acHide)->trigger();
      QVERIFY(!window->CheckPanelVisible());
      return;
    }
    QFAIL("no remark about the key at (7,9)");
  }

  void PasswordCommandsUseTheirOwnWindowsAndShowTheProtection() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    prompt_->passwords = {"secret", "other"};
    main.SetPassword();
    QCOMPARE(prompt_->Texts().back(), std::string("При подтверждении введен неверный пароль."));
    QVERIFY(window->Document().Password.empty());
    // The caption "Пароль" over the window's name, then the confirmation with its warning.
    QCOMPARE(prompt_->passwordWindows[0].caption, std::string("Пароль"));
    QCOMPARE(prompt_->passwordWindows[0].secondLine, std::string("(Раскладка1)"));
    QCOMPARE(prompt_->passwordWindows[1].caption, std::string("Подтверждение пароля"));
    QCOMPARE(prompt_->passwordWindows[1].firstLine, std::string("Введите пароль еще раз:"));
    prompt_->passwords = {"secret", "secret"};
    main.SetPassword();
    QCOMPARE(window->Document().Password, std::string("secret"));
    QCOMPARE(main.StatusText(StatusPanel::Password), QString::fromUtf8("защищена паролем"));
    main.ClearPassword();
    QCOMPARE(prompt_->Texts().back(), std::string("Пароль для чтения удален."));
    main.ClearPassword();
    QCOMPARE(prompt_->Texts().back(), std::string("Пароль не установлен."));
    QCOMPARE(main.StatusText(StatusPanel::Password), QString());
  }

  void AutosaveIsPostponedWhileBusy() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    window->Document().Modified = true;
    window->Document().Busy = true;
    main.AutosaveTick();
    QCOMPARE(dialogs_->calls, 0);
    const QString postponed = QString::fromUtf8("не сохранена (сохранение отложено)");
    QCOMPARE(main.StatusText(StatusPanel::Saved), postponed);
    // The postponement belongs to its layout, not to whichever one is active.
    main.NewLayout()->Document().Modified = true;
    main.CommandsChanged();
    QCOMPARE(main.StatusText(StatusPanel::Saved), QString::fromUtf8("не сохранена"));
    main.Activate(window);
    main.CommandsChanged();
    QCOMPARE(main.StatusText(StatusPanel::Saved), postponed);
    window->Document().Busy = false;
    main.AutosaveTick();
    QCOMPARE(dialogs_->calls, 1);  // the untitled layout asks for a name
  }

  void AutosaveTimerFollowsTheSettings() {
    settings_.Set(Setting::IsAutosave, 1);
    settings_.Set(Setting::AutosaveValue, 7);
    TfmMain& main = Start();
    QVERIFY(main.AutosaveTimer().isActive());
    QCOMPARE(main.AutosaveTimer().interval(), 7 * 60000);
    settings_.Set(Setting::IsAutosave, 0);
    main.RestartAutosave();
    QVERIFY(!main.AutosaveTimer().isActive());
  }

  void GridSelectionKindsAndCornerToggle() {
    TfmMain& main = Start();
    TVL2Grid& grid = main.LayoutWindows()[0]->Grid();
    QWidget* view = grid.viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(3, 0).center());
    QVERIFY(grid.Kind() == SelectionKind::Columns);
    QCOMPARE(grid.Selection(), (TRect{3, 1, 3, 255}));
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(0, 2).center());
    QVERIFY(grid.Kind() == SelectionKind::Rows);
    QCOMPARE(grid.Selection(), (TRect{1, 2, 255, 2}));
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(0, 0).center());
    QVERIFY(grid.Kind() == SelectionKind::Field);
    QCOMPARE(grid.Selection(), (TRect{1, 1, 255, 255}));
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(0, 0).center());
    QVERIFY(grid.Kind() == SelectionKind::Cells);
    QCOMPARE(grid.Selection(), (TRect{1, 1, 1, 1}));
    // A drag over key cells selects the rectangle; Shift+arrows extend it.
    SendMouse(view, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, grid.CellRect(2, 2).center());
    SendMouse(view, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, grid.CellRect(4, 3).center());
    SendMouse(view, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, grid.CellRect(4, 3).center());
    QCOMPARE(grid.Selection(), (TRect{2, 2, 4, 3}));
    QCOMPARE(main.StatusText(StatusPanel::Position), QString::fromUtf8("размер (3,2)"));
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(grid.Selection(), (TRect{2, 2, 5, 3}));
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.Selection(), (TRect{5, 4, 5, 4}));
    // Ctrl+Insert, Delete and Shift+Insert: copy, clear and paste back.
    Put(grid.Document(), 5, 4, "\x1c");
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(&grid, Qt::Key_Delete);
    QVERIFY(grid.Document().GetKey(5, 4) == nullptr);
    QTest::keyClick(&grid, Qt::Key_Insert, Qt::ShiftModifier);
    QVERIFY(grid.Document().GetKey(5, 4) != nullptr);
  }

  void WholeColumnDragMovesOnlyColumns() {
    TfmMain& main = Start();
    TVL2Grid& grid = main.LayoutWindows()[0]->Grid();
    Put(grid.Document(), 2, 5, "\x1c");
    QWidget* view = grid.viewport();
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(2, 0).center());
    SendMouse(view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, grid.CellRect(2, 5).center());
    QVERIFY(grid.State() == PointerState::Moving);
    QVERIFY(grid.Document().Busy);
    SendMouse(view, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, grid.CellRect(4, 7).center());
    QCOMPARE(main.StatusText(StatusPanel::Move), QString::fromUtf8("(2,1)(2,255) в (4,1)(4,255)"));
    SendMouse(view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, grid.CellRect(4, 7).center());
    QVERIFY(!grid.Document().Busy);
    QVERIFY(grid.Document().GetKey(2, 5) == nullptr);
    QVERIFY(grid.Document().GetKey(4, 5) != nullptr);
    QCOMPARE(grid.Selection(), (TRect{4, 1, 4, 255}));
  }

  void RightClickMenuFollowsTheSelectionKind() {
    TfmMain& main = Start();
    TfmGrid* window = main.LayoutWindows()[0];
    TVL2Grid& grid = window->Grid();
    QWidget* view = grid.viewport();
    auto rightClick = [&](int column, int row) -> QMenu* {
      SendMouse(view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, grid.CellRect(column, row).center());
      SendMouse(view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, grid.CellRect(column, row).center());
      for (QMenu* menu : {window->KeyMenu(), window->ViewMenu(), window->ColumnMenu(), window->RowMenu()}) {
        if (menu->isVisible()) {
          menu->hide();
          return menu;
        }
      }
      return nullptr;
    };
    grid.Select(2, 2, 3, 3);
    QCOMPARE(rightClick(2, 3), window->KeyMenu());  // inside, not moved
    QCOMPARE(rightClick(6, 6), window->ViewMenu());  // outside
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(3, 0).center());
    QCOMPARE(rightClick(3, 0), window->ColumnMenu());
    QTest::mouseClick(view, Qt::LeftButton, {}, grid.CellRect(0, 3).center());
    QCOMPARE(rightClick(0, 3), window->RowMenu());
  }

  void BlockDroppedOnAHeaderIsRefused() {
    TfmMain& main = Start();
    TVL2Grid& grid = main.LayoutWindows()[0]->Grid();
    Put(grid.Document(), 2, 2, "\x1c");
    grid.Select(2, 2, 2, 2);
    QWidget* view = grid.viewport();
    SendMouse(view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, grid.CellRect(2, 2).center());
    SendMouse(view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, grid.CellRect(0, 2).center());
    QCOMPARE(prompt_->Texts().back(), std::string("Выделенный блок перетащить невозможно."));
    QVERIFY(grid.Document().GetKey(2, 2) != nullptr);
  }

  void SettingsDialogOkAndCancel() {
    TfmMain& main = Start();
    TfmParameters& dialog = main.Parameters();
    dialog.ChooseFolder = [] { return std::optional<QString>("/tmp/chosen"); };
    QCheckBox* startInfo = dialog.CheckBoxFor(Setting::IsStartInfo);
    auto finish = [&](bool ok) {
      QTimer::singleShot(0, &dialog, [&, ok] {
        dialog.BrowseFolder();
        startInfo->setChecked(true);
        dialog.ComboFor(Setting::Ibd)->setCurrentIndex(15);
        dialog.ImageLayers()->item(1)->setCheckState(Qt::Checked);
        auto* box = dialog.findChild<QDialogButtonBox*>();
        box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
      });
      return dialog.Exec(TfmParameters::kPageGeneral);
    };
    QCOMPARE(finish(false), int(QDialog::Rejected));
    QCOMPARE(settings_.LayoutsPath(), std::string("/tmp/chosen"));  // the browse stands
    QVERIFY(!settings_.IsOn(Setting::IsStartInfo));
    QCOMPARE(settings_.Get(Setting::Ibd), uint8_t{1});
    QCOMPARE(finish(true), int(QDialog::Accepted));
    QVERIFY(settings_.IsOn(Setting::IsStartInfo));
    QCOMPARE(settings_.Get(Setting::Ibd), uint8_t{15});
    QCOMPARE(settings_.Get(Setting::ImageLayers), uint8_t{3});  // layer 0 by default, and 1
  }

  // The interface language is kept beside the settings: shown from them (garbage as
  // automatic), written on OK only, and "По умолчанию" brings back automatic.
  void InterfaceLanguageIsKeptBesideTheSettings() {
    TfmMain& main = Start();
    TfmParameters& dialog = main.Parameters();
    const auto run = [&](int shown, int chosen, QDialogButtonBox::StandardButton button) {
      QTimer::singleShot(0, &dialog, [&, shown, chosen, button] {
        QCOMPARE(dialog.UiLanguageCombo()->currentIndex(), shown);
        dialog.UiLanguageCombo()->setCurrentIndex(chosen);
        dialog.findChild<QDialogButtonBox*>()->button(button)->click();
      });
      dialog.Exec(TfmParameters::kPageGeneral);
    };
    backend_.WriteInt("", "interface language", 7);
    run(0, 3, QDialogButtonBox::Cancel);
    QVERIFY(StoredUiLanguage(backend_) == UiLanguageChoice::Automatic);
    run(0, 2, QDialogButtonBox::Ok);
    QVERIFY(StoredUiLanguage(backend_) == UiLanguageChoice::Ukrainian);
    QTimer::singleShot(0, &dialog, [&] {
      QCOMPARE(dialog.UiLanguageCombo()->currentIndex(), 2);
      dialog.LoadDefaults();
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.Exec(TfmParameters::kPageGeneral);
    QVERIFY(StoredUiLanguage(backend_) == UiLanguageChoice::Automatic);
  }

  void AutosaveSpinFollowsItsCheckBox() {
    TfmMain& main = Start();
    TfmParameters& dialog = main.Parameters();
    QTimer::singleShot(0, &dialog, [&] {
      QVERIFY(!dialog.AutosaveSpin()->isEnabled());
      dialog.CheckBoxFor(Setting::IsAutosave)->setChecked(true);
      QVERIFY(dialog.AutosaveSpin()->isEnabled());
      dialog.reject();
    });
    dialog.Exec(TfmParameters::kPageLayout);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = 0;
  {
    AppTest flows;
    status |= QTest::qExec(&flows, argc, argv);
  }
  status |= RunLayoutWindowTest(argc, argv);
  status |= RunFirstDayTest(argc, argv);
  status |= RunSimKeyboardWindowTest(argc, argv);
  status |= RunSimulatorCommandsTest(argc, argv);
  status |= RunDeviceWindowsTest(argc, argv);
  status |= RunJobRunnerTest(argc, argv);
  status |= RunQtPromptTest(argc, argv);
  return status;
}

#include "AppTest.moc"
