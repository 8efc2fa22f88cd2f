// velmorando: the layout editor. Every argument is a layout file to open;
// --no-splash skips the start-up picture (for automation); --data DIR reads the
// catalogue, templates and the rest from DIR instead of the program folder;
// --port none|PATH|sim[:TYPE] talks to that keyboard instead of the stored one.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <memory>
#include <new>

#include "app/editor/HelpViewer.h"
#include "app/editor/MainWindow.h"
#include "app/editor/QtTranslations.h"
#include "app/input/DisplaySession.h"
#include "core/common/Prompt.h"
#include "platform/ProgramFolder.h"
#include "platform/QtSettingsBackend.h"

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
                   QString::fromUtf8("Ostrel · программирование клавиатур TRV"));
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
      QMessageBox::critical(activeWindow(), QString::fromUtf8(vl::kCaptionError),
                            QString::fromUtf8("Недостаточно памяти для выполнения операции."));
      return false;
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  vl::ApplyPlatformChoice(vl::ChoosePlatform(vl::ReadSessionEnvironment()));
  Application app(argc, argv);
  vl::InstallQtRussian(app);
  QApplication::setApplicationName(QString::fromUtf8("Ostrel Velmorando AT"));
  QApplication::setApplicationDisplayName(QString::fromUtf8("Ostrel Velmorando AT"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.ostrel.velmorando"),
                                               QIcon(QStringLiteral(":/program/org.ostrel.velmorando.svg"))));
  QStringList files = QApplication::arguments().mid(1);
  const bool splash = !files.removeAll(QStringLiteral("--no-splash"));
  // --data DIR: the catalogue, templates, special paste and help from another folder.
  vl::SetDataFolder(vl::ProgramDataFolder(argv[0]));
  if (const qsizetype at = files.indexOf(QStringLiteral("--data")); at >= 0 && at + 1 < files.size()) {
    vl::SetDataFolder(files[at + 1].toStdString());
    files.remove(at, 2);
  }
  // --port PORT: the keyboard port for this run, over the stored "keyboard port".
  QString port;
  if (const qsizetype at = files.indexOf(QStringLiteral("--port")); at >= 0 && at + 1 < files.size()) {
    port = files[at + 1];
    files.remove(at, 2);
  }
  const QString dataFolder = QString::fromStdString(vl::DataFolder());
  vl::SetHelpFolder(QDir(dataFolder).filePath(QStringLiteral("help")));

  vl::QtSettingsBackend backend;
  vl::SettingsStore settings;
  // The main window comes first and reads no setting until it is shown.
  vl::TfmMain window(settings, backend, dataFolder, files);
  window.SetPortOverride(port);
  std::unique_ptr<QSplashScreen> screen;
  if (splash) {
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
  const int result = app.exec();
  settings.Save(backend);
  backend.Sync();
  return result;
}
