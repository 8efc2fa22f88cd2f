#include <QApplication>
#include <QFile>
#include <QImage>
#include <QToolBar>
#include <QtTest>

#include "app/editor/CommandIcons.h"
#include "app/editor/MainWindow.h"
#include "app/editor/QtTranslations.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

int RunPortHelperTest(int argc, char** argv);
int RunDisplaySessionTest(int argc, char** argv);

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

  void QtsOwnTextsAreRussian() {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qt_ru.qm"))) {
      QSKIP("Qt's Russian translation is not installed (qt6-translations-l10n)");
    }
    QVERIFY(InstallQtRussian(*QCoreApplication::instance()));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Да"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QString::fromUtf8("Перейти к:"));
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
  return status;
}

#include "DesktopTest.moc"
