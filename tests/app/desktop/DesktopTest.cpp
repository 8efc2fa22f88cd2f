#include <QApplication>
#include <QFile>
#include <QImage>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include "app/common/CommandIcons.h"
#include "app/common/CoreTexts.h"
#include "app/editor/GotoBookmarkDialog.h"
#include "app/main/CommandLine.h"
#include "app/main/MainWindow.h"
#include "app/common/QtTranslations.h"
#include "app/device/SimCaption.h"
#include "core/catalogue/DeviceDescription.h"
#include "core/common/FileErrors.h"
#include "core/common/Prompt.h"
#include "core/device/DeviceInfo.h"
#include "core/device/Interval.h"
#include "core/device/OperationDriver.h"
#include "core/document/GridTexts.h"
#include "core/document/LayoutFile.h"
#include "core/input/KeyList.h"
#include "core/input/PauseEditor.h"
#include "core/document/VL2Document.h"
#include "core/mtf/Convert.h"
#include "core/mtf/MtfReader.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

int RunPortHelperTest(int argc, char** argv);
int RunDisplaySessionTest(int argc, char** argv);
int RunUiLanguageTest(int argc, char** argv);

namespace {

bool Drawn(const QIcon& icon) {
  const QImage image = icon.pixmap(24, 24).toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) return true;
    }
  }
  return false;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  // Without an icon theme our own icons must carry the toolbars.
  void initTestCase() {
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
  }

  void EveryToolbarCommandHasAnIconAndATooltip() {
    MemorySettingsBackend backend("/tmp");
    SettingsStore settings;
    TfmMain main(settings, backend, QStringLiteral(VLAT_SOURCE_DATA_DIR), {});
    const QList<QToolBar*> toolbars = main.findChildren<QToolBar*>();
    QVERIFY(!toolbars.isEmpty());
    for (QToolBar* toolbar : toolbars) {
      for (QAction* action : toolbar->actions()) {
        if (action->isSeparator()) continue;
        QVERIFY2(Drawn(action->icon()), qPrintable(action->objectName()));
        QVERIFY2(!action->toolTip().isEmpty() && !action->toolTip().contains('&'),
                 qPrintable(action->objectName() + ": " + action->toolTip()));
      }
    }
    // A hint stays the tooltip; a caption without one becomes it.
    QCOMPARE(main.Action("acCut")->toolTip(), QString::fromUtf8("Вырезать"));
    QCOMPARE(main.Action("acSave")->toolTip(), QString::fromUtf8("Cохранить"));
  }

  // Catches a misspelt file name and a missing SVG icon engine alike.
  void OurIconsDrawWithoutAnIconTheme() {
    for (const CommandIcon& entry : CommandIconTable()) {
      const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.fallback));
      QVERIFY2(QFile::exists(path), qPrintable(path));
      QVERIFY2(Drawn(CommandIconFor(QLatin1String(entry.action))), entry.action);
    }
    QVERIFY(CommandIconFor(QStringLiteral("acNoSuchCommand")).isNull());
  }

  // Qt's texts, our windows' and the core's follow the language chosen: a window
  // whose class lupdate saw under another name than Qt's would stay Russian. The
  // translators are removed again so that the other tests see the Russian texts.
  void QtsTextsAndOursFollowTheLanguage() {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(qtFolder + QStringLiteral("/qt_ru.qm")) || !QFile::exists(qtFolder + "/qt_uk.qm")) {
      QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
    }
    struct Expected {
      UiLanguage language;
      const char* yes;
      const char* bookmark;
      const char* error;
    };
    for (const Expected& e : {Expected{UiLanguage::Russian, "&Да", "Перейти к закладке", "Ошибка"},
                              Expected{UiLanguage::Ukrainian, "Т&ак", "Перейти до закладки", "Помилка"},
                              Expected{UiLanguage::English, "&Yes", "Go to Bookmark", "Error"}}) {
      QCoreApplication& application = *QCoreApplication::instance();
      QVERIFY(InstallTranslations(application, e.language));
      QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8(e.yes));
      QCOMPARE(TfmGotoBookmark().windowTitle(), QString::fromUtf8(e.bookmark));
      QCOMPARE(CoreText(kCaptionError), QString::fromUtf8(e.error));
      for (QTranslator* translator : application.findChildren<QTranslator*>()) delete translator;
    }
  }

  // The texts the core composes fill a translated pattern, the ones it tells with a
  // file name keep the name; without a translator (the CLI) they stay Russian.
  void ComposedCoreTextsFollowTheLanguage() {
    QCoreApplication& application = *QCoreApplication::instance();
    QVERIFY(InstallTranslations(application, UiLanguage::English));
    DeviceInfoSource source;
    source.Memory = 1234;
    const int memory = static_cast<int>(DeviceInfoRow::Memory);
    QCOMPARE(DeviceInfoRows(source, CoreTranslator())[memory],
             (std::pair<std::string, std::string>{"Memory size", "1234  bytes"}));
    QCOMPARE(DeviceInfoRows(source)[memory].second, std::string("1234  байт"));
    QCOMPARE(KeysOutsideQuestion(2, 8, 16, CoreTranslator()),
             std::string("Keys with data outside the device's field (8x16): 2. They will not be written to the "
                         "device. Continue the download?"));
    SettingsStore settings;
    const std::string properties = DownloadPropertiesText(settings, CoreTranslator());
    // The yes-or-no values and the language's name as well: no Cyrillic left.
    QVERIFY2(properties.find("Layout language: ") != std::string::npos &&
                 !QString::fromStdString(properties).contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
             properties.c_str());
    QCOMPARE(CoreText(WithFileName(kLayoutReadError, "/tmp/раскладка.vld")),
             QString::fromUtf8("Could not read the layout.\n\r(/tmp/раскладка.vld)"));
    // A Macro Text Format error report, put together in the shown language.
    TVL2Document document;
    TConvert convert("main.mtf", document, settings, [](const std::string&) { return nullptr; });
    QVERIFY(!ConvertMtfText(convert, "\\include(part.mtf)"));
    const QString report = QString::fromStdString(convert.ErrorReport(CoreTranslator()));
    QVERIFY2(report.startsWith(QStringLiteral("File MAIN.MTF, line 1, column ")) &&
                 report.contains(QStringLiteral("\r\nError 2. Error reading file [")) &&
                 !report.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))),
             qPrintable(report));
    QVERIFY(QString::fromStdString(convert.ErrorReport()).contains(QStringLiteral("Ошибка 2. Ошибка чтения файла [")));
    // The editor's --help and refusals, pause and click values with a decimal point,
    // the key list's names and the supported devices' description: once all Russian.
    QVERIFY2(EditorUsage().starts_with("Usage: velmorando [OPTIONS] [FILE...]\n"), EditorUsage().c_str());
    QCOMPARE(ParseEditorCommandLine({"--prot"}).error,
             std::string("velmorando: unknown option --prot\nHelp: velmorando --help"));
    QCOMPARE(TenthsText(5, CoreTranslator()), std::string("0.5 s"));
    QCOMPARE(CoreText(kKeySpace), QStringLiteral("Space"));
    QCOMPARE(DescribeDevice(IniFile("[0120]\nWidth=16\n"), "0120", CoreTranslator())[7],
             std::string("Width of the key field: 16 keys"));
    TVL2Document clicked;
    auto key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    key->Layers[0].Macro[0] = std::string(1, '\x1c');
    key->Layers[0].Click = 5;
    clicked.SetKey(1, 1, std::move(key));
    QVERIFY(CellInformation(clicked, 1, 1, KeyLanguage::English, CoreTranslator()).find("0.5 s") != std::string::npos);
    // Decimal points in the interval list and the versions, the simulator's mark
    // on window titles, and the language the data files' names follow.
    QCOMPARE(IntervalItemText(0, CoreTranslator()), std::string("1.6"));
    source.ControllerMajor = 1;
    source.ControllerMinor = 7;
    QCOMPARE(DeviceInfoRows(source, CoreTranslator())[static_cast<int>(DeviceInfoRow::Controller)].second,
             std::string("1.7"));
    QCOMPARE(SimCaption::Marked(QStringLiteral("Download"), true), QStringLiteral("Download — keyboard simulator"));
    QCOMPARE(TranslationLanguage(), std::string("en"));
    for (QTranslator* translator : application.findChildren<QTranslator*>()) delete translator;
    QCOMPARE(TranslationLanguage(), std::string("ru"));
  }
};

}  // namespace vl

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int status = 0;
  {
    vl::DesktopTest desktop;
    status |= QTest::qExec(&desktop, argc, argv);
  }
  status |= vl::RunPortHelperTest(argc, argv);
  status |= vl::RunDisplaySessionTest(argc, argv);
  status |= vl::RunUiLanguageTest(argc, argv);
  return status;
}

#include "DesktopTest.moc"
