// The layout window's commands that open dialogs or refuse, and the windows that
// read the files beside the program: templates, the catalogue and spaste.ini.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>

#include "AppFixture.h"
#include "app/catalogue/SpecialPasteDialog.h"
#include "app/catalogue/SupportedDevicesDialog.h"
#include "app/catalogue/TemplateDialog.h"
#include "app/editor/ArrangeDialog.h"
#include "app/editor/CopyToLayersDialog.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/common/TextEntryDialog.h"
#include "app/editor/VL2Grid.h"
#include "core/document/LayoutFile.h"
#include "core/document/Undo.h"
#include "core/text/Cp1251.h"

namespace vl {

namespace {

void Click(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

// Writes UTF-8 text to the program folder as code page 1251, as the files there are.
void WriteCp1251(const QString& path, const std::string& utf8) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  const std::string bytes = Utf8ToCp1251Lossy(utf8);
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace

class LayoutWindowTest : public QObject, public AppFixture {
  Q_OBJECT

  TfmGrid& Window() { return *main_->ActiveLayout(); }

  // Enters the text in the next text-entry dialog and confirms it.
  void Enter(const QString& text) {
    WhenShown([this, text] {
      main_->TextEntry().Edit()->setText(text);
      Click(main_->TextEntry(), QDialogButtonBox::Ok);
    });
  }

 private slots:
  void init() { Reset(); }
  void cleanup() { Stop(); }

  void TemplateReplacesTheUntitledLayoutWithAnUnnamedCopy() {
    QVERIFY(QDir(dataDir_->path()).mkdir("TEMPLATE"));
    WriteCp1251(dataDir_->filePath("template.ini"), "[Templates]\nКасса=kassa\nПропавший=gone\n");
    TVL2Document kassa;
    Put(kassa, 2, 3, "\x1c");
    NullReporter reporter;
    SaveLayout(kassa, dataDir_->filePath("TEMPLATE/kassa.VLD").toStdString(), settings_, reporter);

    TfmMain& main = Start();
    WhenShown([&] {
      QCOMPARE(main.TemplateChoice().List()->count(), 3);
      QCOMPARE(main.TemplateChoice().List()->item(0)->text(), QString::fromUtf8("Пустая раскладка"));
      main.TemplateChoice().List()->setCurrentRow(1);
      QCOMPARE(main.TemplateChoice().List()->currentItem()->text(), QString::fromUtf8("Касса"));
      Click(main.TemplateChoice(), QDialogButtonBox::Ok);
    });
    main.Action("acExtNew")->trigger();
    FlushDeletes();
    QCOMPARE(main.LayoutWindows().size(), 1);  // the untitled Раскладка1 made room
    TfmGrid& copy = Window();
    QCOMPARE(copy.Caption(), QString::fromUtf8("Раскладка2"));
    QVERIFY(copy.Document().GetKey(2, 3) != nullptr);
    QVERIFY(!copy.Document().Named);
    QVERIFY(copy.Document().FileName.empty());

    // A template whose file is missing still gives a layout, an empty one.
    WhenShown([&] {
      main.TemplateChoice().List()->setCurrentRow(2);
      Click(main.TemplateChoice(), QDialogButtonBox::Ok);
    });
    main.Action("acExtNew")->trigger();
    QCOMPARE(main.LayoutWindows().size(), 2);
    QCOMPARE(Window().Caption(), QString::fromUtf8("Раскладка3"));
    QVERIFY(Window().Document().GetKey(2, 3) == nullptr);

    // The empty layout offered first.
    WhenShown([&] { Click(main.TemplateChoice(), QDialogButtonBox::Ok); });
    main.Action("acExtNew")->trigger();
    QCOMPARE(main.LayoutWindows().size(), 3);
    QCOMPARE(Window().Caption(), QString::fromUtf8("Раскладка4"));
    QVERIFY(Window().Document().GetKey(2, 3) == nullptr);
    QVERIFY(!Window().Document().Modified);

    // Cancel makes nothing.
    WhenShown([&] { main.TemplateChoice().reject(); });
    main.Action("acExtNew")->trigger();
    QCOMPARE(main.LayoutWindows().size(), 3);
  }

  void WithoutTemplateListNewMakesAnEmptyLayout() {
    TfmMain& main = Start();
    main.Action("acExtNew")->trigger();  // no dialog: nothing to choose from
    QCOMPARE(main.LayoutWindows().size(), 2);
    QCOMPARE(Window().Caption(), QString::fromUtf8("Раскладка2"));
  }

  void SupportedDevicesListsSortedSectionsAndDescribesTheChosenOne() {
    WriteCp1251(dataDir_->filePath("DEVICES.TYP"),
                "[0107]\nAbout=Малая\nKeys=32\nImageKeyWidth=1850\n[0042]\nAbout=Большая\nFile=k128.dec\n");
    TfmMain& main = Start();
    SupportedDevicesDialog& window = main.SupportedDevices();
    WhenShown([&] {
      QCOMPARE(window.List()->count(), 2);
      QCOMPARE(window.List()->item(0)->text(), QStringLiteral("0042"));
      QStringList lines = window.Description()->toPlainText().split('\n');
      QCOMPARE(lines.size(), 22);
      QCOMPARE(lines[1], QStringLiteral("Серия: 0042"));
      QCOMPARE(lines[2], QString::fromUtf8("Модель: Большая"));
      QCOMPARE(lines[11], QString::fromUtf8("Файл декодирования: K128.DEC"));
      window.List()->setCurrentRow(1);
      lines = window.Description()->toPlainText().split('\n');
      QCOMPARE(lines[6], QString::fromUtf8("Количество клавиш: 32"));
      QCOMPARE(lines[16], QString::fromUtf8("Ширина клавиши: 18.50мм"));
      emit window.List()->itemDoubleClicked(window.List()->item(1));  // closes as OK
    });
    QCOMPARE(window.Exec(), int(QDialog::Accepted));
    QCOMPARE(window.SelectedSection(), QStringLiteral("0107"));
  }

  void SpecialPasteAppliesTheDefinitionOrRefusesIt() {
    WriteCp1251(dataDir_->filePath("spaste.ini"),
                "[Буквы]\nA=1CF01CFFFFПримечание\nПлохое=1G\nПустое=\n[Прочее]\nB=32F032\n");
    TfmMain& main = Start();
    TfmGrid& window = Window();
    TVL2Document& document = window.Document();
    Put(document, 2, 2, "\x32");
    document.GetKey(2, 2)->Layers[1].Macro[1] = "\x12";
    window.Grid().SetShownLayer(1);
    window.Grid().Select(2, 2, 3, 2);
    TfmSpecialPaste& dialog = main.SpecialPasteDialog();

    // A definition that cannot be read is refused and the dialog stays open.
    WhenShown([&] {
      QCOMPARE(dialog.Categories()->count(), 2);
      QCOMPARE(dialog.Actions()->count(), 3);
      dialog.Actions()->setCurrentRow(1);
      dialog.Choose();
      QVERIFY(dialog.isVisible());
      QCOMPARE(prompt_->shown.size(), size_t{1});
      dialog.Actions()->setCurrentRow(0);
      Click(dialog, QDialogButtonBox::Ok);
    });
    main.Action("acSpecialPaste")->trigger();
    for (int column : {2, 3}) {
      const TMacroButton* key = document.GetKey(column, 2);
      QVERIFY(key != nullptr);
      QCOMPARE(key->Func, uint8_t{kFuncMacro});
      QCOMPARE(key->Layers[1].Macro[0], std::string("\x1c\xf0\x1c"));
      QVERIFY(key->Layers[1].Macro[1].empty());
      QCOMPARE(key->Layers[1].Note, Utf8ToCp1251Lossy("Примечание"));
      QCOMPARE(key->Layers[1].AutoRepeat, uint8_t{1});
    }
    QCOMPARE(document.GetKey(2, 2)->Layers[0].Macro[0], std::string("\x32"));  // other layers stay

    // An empty definition empties the shown layer but keeps the keys as macros.
    WhenShown([&] {
      dialog.Actions()->setCurrentRow(2);
      Click(dialog, QDialogButtonBox::Ok);
    });
    main.Action("acSpecialPaste")->trigger();
    QVERIFY(document.GetKey(3, 2)->Layers[1].Macro[0].empty());
    QCOMPARE(document.GetKey(3, 2)->Layers[1].AutoRepeat, uint8_t{1});

    // Without spaste.ini the dialog does not open.
    QFile::remove(dataDir_->filePath("spaste.ini"));
    main.Action("acSpecialPaste")->trigger();
    QVERIFY(prompt_->Texts().back().starts_with("Ошибка чтения из файла."));
  }

  void GroupingCommandsAndTheirRefusals() {
    TfmMain& main = Start();
    TfmGrid& window = Window();
    TVL2Document& document = window.Document();
    TVL2Grid& grid = window.Grid();

    grid.Select(255, 4, 255, 4);
    main.Action("acGroup2Hor")->trigger();  // no room on the right
    QVERIFY(!document.GetGroup(255, 4).IsGrouped());
    QVERIFY(prompt_->shown.empty());

    grid.Select(2, 2, 2, 2);
    main.Action("acGroup4")->trigger();
    QVERIFY(document.GetGroup(3, 3).IsGrouped());
    QVERIFY(document.GetGroup(2, 2).Flags & kGroupMaster);

    grid.Select(3, 3, 3, 3);
    QVERIFY(main.Action("acGroupMoveMaster")->isEnabled());
    main.Action("acGroup2Ver")->trigger();
    QCOMPARE(prompt_->Texts().back(), std::string("Пересечение групп. Группирование невозможно."));
    grid.Select(1, 1, 2, 2);
    QVERIFY(!window.Action(TfmGrid::acGroup2Hor)->isEnabled());  // only for one key
    main.Action("acGroup")->trigger();
    QCOMPARE(prompt_->Texts().back(), std::string("Группирование невозможно."));
    QVERIFY(!document.GetGroup(1, 1).IsGrouped());

    grid.Select(3, 3, 3, 3);
    main.Action("acDegroup")->trigger();
    QVERIFY(!document.GetGroup(2, 2).IsGrouped());
    QVERIFY(!main.Action("acGroupMoveMaster")->isEnabled());
  }

  void NotesAndBookmarksThroughTheirDialogs() {
    TfmMain& main = Start();
    TfmGrid& window = Window();
    TVL2Document& document = window.Document();
    TVL2Grid& grid = window.Grid();

    main.Action("acGoto")->trigger();
    QCOMPARE(prompt_->Texts().back(), std::string("Активное окно не содержит закладок."));

    grid.Select(1, 1, 2, 1);
    Enter(QString::fromUtf8("общее"));
    main.Action("acNoteAdd")->trigger();
    QCOMPARE(document.GetNote(2, 1)->KeyNote, Utf8ToCp1251Lossy("общее"));

    grid.Select(5, 5, 5, 5);
    Enter(QString::fromUtf8("Вход"));
    main.Action("acMarkAdd")->trigger();
    QCOMPARE(document.GetNote(5, 5)->Mark, Utf8ToCp1251Lossy("Вход"));
    // Confirming a key's own name again is no duplicate.
    Enter(QString::fromUtf8("Вход"));
    main.Action("acMarkAdd")->trigger();
    QCOMPARE(prompt_->shown.size(), size_t{1});

    grid.Select(1, 1, 1, 1);
    Enter(QString::fromUtf8("Вход"));
    main.Action("acMarkAdd")->trigger();
    QCOMPARE(prompt_->Texts().back(), std::string("Закладка [Вход] в активном окне дублируется."));
    QVERIFY(document.GetNote(1, 1)->Mark.empty());
    WhenShown([&] { main.TextEntry().reject(); });
    main.Action("acMarkAdd")->trigger();
    QCOMPARE(document.GetNote(5, 5)->Mark, Utf8ToCp1251Lossy("Вход"));

    WhenShown([&] {
      QCOMPARE(main.GotoBookmark().List()->count(), 1);
      main.GotoBookmark().accept();
    });
    main.Action("acGoto")->trigger();
    QCOMPARE(grid.Selection(), (TRect{5, 5, 5, 5}));

    main.Action("acMarkDelete")->trigger();
    QVERIFY(document.GetNote(5, 5) == nullptr);
    grid.Select(1, 1, 2, 1);
    main.Action("acNoteDelete")->trigger();
    QVERIFY(document.GetNote(1, 1) == nullptr);
  }

  void TextEntryRefusesWhatCodePage1251CannotHold() {
    TfmMain& main = Start();
    QLineEdit* edit = main.TextEntry().Edit();
    WhenShown([&] {
      for (const QChar typed : QString::fromUtf8("a\u65e5\u20acб")) edit->insert(typed);  // € is in 1251
      QCOMPARE(edit->text(), QString::fromUtf8("a\u20acб"));
      Click(main.TextEntry(), QDialogButtonBox::Ok);
    });
    main.Action("acNoteAdd")->trigger();
    QCOMPARE(Window().Document().GetNote(1, 1)->KeyNote, std::string("a\x88\xe1"));
  }

  // Every language has every page, with the same places the help buttons name and
  // the same sections (the same headings, level by level, in the same order), and
  // links only to pages that exist.
  void HelpPagesLinkOnlyToPagesThatExistInEveryLanguage() {
    const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
    const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
    const QRegularExpression heading(QStringLiteral("<h([1-6])[ >]"));
    const auto anchors = [&](const QString& text) {
      QStringList found;
      for (const QRegularExpressionMatch& match : anchor.globalMatch(text)) found.append(match.captured(1));
      found.sort();
      for (const QRegularExpressionMatch& match : heading.globalMatch(text)) found.append("h" + match.captured(1));
      return found;
    };
    const QDir russian(QStringLiteral(VLAT_SOURCE_DATA_DIR "/help/ru"));
    const QStringList pages = russian.entryList({"*.html"});
    QVERIFY(pages.contains("index.html"));
    for (const char* language : {"ru", "uk", "en"}) {
      const QDir help(QStringLiteral(VLAT_SOURCE_DATA_DIR "/help/") + language);
      QCOMPARE(help.entryList({"*.html"}), pages);
      for (const QString& page : pages) {
        QFile file(help.filePath(page)), original(russian.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(anchors(text) == anchors(QString::fromUtf8(original.readAll())), qPrintable(help.filePath(page)));
        for (const QRegularExpressionMatch& match : link.globalMatch(text)) {
          QVERIFY2(help.exists(match.captured(1)), qPrintable(help.filePath(page) + " -> " + match.captured(1)));
        }
      }
    }
  }

  void CopyToLayersNeedsOneLayerShownAndCanBeUndone() {
    TfmMain& main = Start();
    TfmGrid& window = Window();
    TVL2Document& document = window.Document();
    Put(document, 4, 4, "\x1c");
    window.Grid().Select(4, 4, 4, 4);
    QVERIFY(!main.Action("acLayers")->isEnabled());
    main.Action("acViewLayers0")->trigger();
    QVERIFY(main.Action("acLayers")->isEnabled());

    WhenShown([&] {
      TfmCopyToLayers& dialog = main.CopyToLayersDialog();
      QVERIFY(!dialog.LayerBox(0)->isEnabled());
      dialog.LayerBox(2)->setChecked(true);
      dialog.DeleteBox()->setChecked(true);
      Click(dialog, QDialogButtonBox::Ok);
    });
    main.Action("acLayers")->trigger();
    QCOMPARE(document.GetKey(4, 4)->Layers[2].Macro[0], std::string("\x1c"));
    QVERIFY(document.GetKey(4, 4)->Layers[0].Macro[0].empty());
    QCOMPARE(main.Action("acUndo")->text(), QString::fromUtf8("&Отменить копирование на уровни"));
    main.Action("acUndo")->trigger();
    QCOMPARE(document.GetKey(4, 4)->Layers[0].Macro[0], std::string("\x1c"));
    QCOMPARE(main.Action("acUndo")->text(), QString::fromUtf8("&Отменить"));
    QVERIFY(!main.Action("acUndo")->isEnabled());
    QCOMPARE(main.Action("acRedo")->text(), QString::fromUtf8("&Повторить копирование на уровни"));
    main.Action("acRedo")->trigger();
    QCOMPARE(document.GetKey(4, 4)->Layers[2].Macro[0], std::string("\x1c"));

    // Повторить stands beside Отменить in the standard toolbar.
    const QList<QAction*> standard = main.findChild<QToolBar*>("Standart")->actions();
    QCOMPARE(standard.indexOf(main.Action("acRedo")), standard.indexOf(main.Action("acUndo")) + 1);
  }

  void FieldSizeMarkingStopsAtTheEdgeAndNotesTheKeys() {
    TfmMain& main = Start();
    TfmGrid& window = Window();
    window.Grid().Select(250, 3, 250, 3);
    main.Action("acSelect64")->trigger();
    QCOMPARE(window.Grid().Selection(), (TRect{250, 3, 255, 10}));
    QCOMPARE(window.Document().GetNote(255, 10)->KeyNote, Utf8ToCp1251Lossy("64 клавиши (8x8)"));
    QCOMPARE(main.StatusText(StatusPanel::Position), QString::fromUtf8("размер (6,8)"));
  }

  void KeyMenuOffersTheLayoutCommands() {
    TfmMain& main = Start();
    QStringList captions;
    for (QAction* action : Window().KeyMenu()->actions()) {
      if (!action->isSeparator()) captions << action->text();
    }
    QCOMPARE(captions.mid(0, 2), (QStringList{QString::fromUtf8("Про&граммировать клавишу"),
                                              QString::fromUtf8("И&нформация о клавише")}));
    for (const char* caption : {"Сп&ециальная вставка...", "К&опировать на уровень...", "&Группировать",
                                "&Примечание", "&Закладка", "Сво&йства загружаемой раскладки"}) {
      QVERIFY2(captions.contains(QString::fromUtf8(caption)), caption);
    }
    Window().Grid().Select(6, 7, 6, 7);
    Window().Action(TfmGrid::acKeyInfo)->trigger();
    QVERIFY(main.CellInfo()->isVisibleTo(&main));
    QCOMPARE(main.CellInfo()->windowTitle(), QString::fromUtf8("Клавиша (6,7)"));
  }

  void ClosedNamedLayoutsGoToTheRecentFilesNewestFirstIgnoringCase() {
    TfmMain& main = Start();
    main.LayoutWindows()[0]->Document().FileName = "/tmp/One.vld";
    main.NewLayout()->Document().FileName = "/tmp/Two.vld";
    main.NewLayout()->Document().FileName = "/TMP/ONE.VLD";
    main.CloseAll();
    QCOMPARE(main.Recent().Items(), (std::vector<std::string>{"/TMP/ONE.VLD", "/tmp/Two.vld"}));
    QStringList shown;
    for (QAction* action : main.menuBar()->actions().first()->menu()->actions()) {
      if (action->property("recent").toBool() && !action->isSeparator()) shown << action->text();
    }
    QCOMPARE(shown, (QStringList{"&1 /TMP/ONE.VLD", "&2 /tmp/Two.vld"}));
  }
};

int RunLayoutWindowTest(int argc, char** argv) {
  LayoutWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vl

#include "LayoutWindowTest.moc"
