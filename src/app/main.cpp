// velmorando: the layout editor. Every argument is a layout file to open;
// --no-splash skips the start-up picture (for automation); --data DIR reads the
// catalogue, templates and the rest from DIR instead of the program folder;
// --port none|PATH|sim[:TYPE] talks to that keyboard instead of the stored one;
// --help and --version print and end.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/main/AccessibleFactory.h"
#include "app/main/CommandLine.h"
#include "app/common/CoreTexts.h"
#include "app/common/HelpViewer.h"
#include "app/main/MainWindow.h"
#include "app/main/ShutdownSignals.h"
#include "app/common/QtTranslations.h"
#include "app/input/DisplaySession.h"
#include "core/common/Prompt.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsBackend.h"
#include "platform/SimulatedMemory.h"

namespace {

constexpr int kSplashMs = 1500;

QPixmap SplashPicture() {
  QPixmap picture(420, 220);
  picture.fill(QColor(0, 64, 128));
  QPainter painter(&picture);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  font.setPixelSize(30);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(picture.rect().adjusted(0, -30, 0, 0), Qt::AlignCenter,
                   QStringLiteral("Velmorando AT"));
  font.setPixelSize(14);
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(picture.rect().adjusted(0, 50, 0, 0), Qt::AlignCenter,
                   QCoreApplication::translate("vl::Splash", "Ostrel · программирование клавиатур TRV"));
  return picture;
}

// An event handler that runs out of memory (a huge file, a huge paste) ends with a
// message instead of taking the program and every open layout down with it.
class Application final : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
      QMessageBox::critical(activeWindow(), vl::CoreText(vl::kCaptionError),
                            translate("vl::Application", "Недостаточно памяти для выполнения операции."));
      return false;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  // Help, version and a mistyped option need no display.
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  vl::EditorCommandLine line = vl::ParseEditorCommandLine(arguments);
  std::unique_ptr<QCoreApplication> console;
  if (line.action == vl::EditorCommandLine::Action::Help || line.action == vl::EditorCommandLine::Action::Refuse) {
    // Told in the user's language: read again with the translations in place.
    console = std::make_unique<QCoreApplication>(argc, argv);
    vl::QtSettingsBackend backend;
    vl::InstallTranslations(*console,
                            vl::ResolveUiLanguage(vl::StoredUiLanguage(backend), vl::ReadLocaleEnvironment()));
    line = vl::ParseEditorCommandLine(arguments);
  }
  switch (line.action) {
    case vl::EditorCommandLine::Action::Help:
      std::fputs(vl::EditorUsage().c_str(), stdout);
      return 0;
    case vl::EditorCommandLine::Action::Version:
      std::fputs(vl::EditorVersion().c_str(), stdout);
      return 0;
    case vl::EditorCommandLine::Action::Refuse:
      std::fprintf(stderr, "%s\n", line.error.c_str());
      return 2;
    case vl::EditorCommandLine::Action::Run:
      break;
  }
  vl::ApplyPlatformChoice(vl::ChoosePlatform(vl::ReadSessionEnvironment()));
  Application app(argc, argv);
  vl::InstallAccessibleFactory();
  vl::QtSettingsBackend backend;
  const vl::UiLanguage language = vl::ResolveUiLanguage(vl::StoredUiLanguage(backend), vl::ReadLocaleEnvironment());
  vl::InstallTranslations(app, language);
  QApplication::setApplicationName(QString::fromUtf8(vl::kApplicationName));
  QApplication::setApplicationDisplayName(QString::fromUtf8(vl::kApplicationName));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.ostrel.velmorando"),
                                               QIcon(QStringLiteral(":/program/org.ostrel.velmorando.svg"))));
  QStringList files;
  for (const std::string& file : line.files) files.append(QString::fromLocal8Bit(file));
  vl::SetDataFolder(line.data.empty() ? vl::ProgramDataFolder(argv[0]) : line.data);
  const QString dataFolder = QString::fromStdString(vl::DataFolder());
  vl::SetHelpFolder(QDir(dataFolder).filePath(QStringLiteral("help/") + vl::LanguageCode(language)));

  vl::SettingsStore settings;
  // The main window comes first and reads no setting until it is shown.
  vl::TfmMain window(settings, backend, dataFolder, files);
  window.SetPortOverride(QString::fromStdString(line.port));
  std::unique_ptr<QSplashScreen> screen;
  if (line.splash) {
    screen = std::make_unique<QSplashScreen>(SplashPicture(), Qt::WindowStaysOnTopHint);
    screen->show();
    app.processEvents();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < kSplashMs) {
      app.processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(10);
    }
  }
  // Every dialog is made once, under the splash, and lives until exit.
  window.CreateDialogs();
  settings.Load(backend);
  screen.reset();
  window.show();
  const int result = vl::RunUntilQuit(window.Device());
  settings.Save(backend);
  backend.Sync();
  return result;
}
