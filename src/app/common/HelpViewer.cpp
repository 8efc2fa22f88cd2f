#include "app/common/HelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vl {

namespace {

QString& HelpFolder() {
  static QString folder;
  return folder;
}

}  // namespace

void SetHelpFolder(const QString& folder) { HelpFolder() = folder; }

void ShowHelp(QWidget* parent, const QString& page) {
  static QPointer<QDialog> window;
  static QPointer<QTextBrowser> browser;
  if (!window) {
    window = new QDialog(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(QCoreApplication::translate("vl::HelpViewer", "Справочная система"));
    window->resize(720, 560);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    browser = new QTextBrowser;
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({HelpFolder()});
    layout->addWidget(browser);
  }
  Q_UNUSED(parent);
  // A modal dialog blocks every window but its own: help asked for while one is
  // up becomes a window of that dialog, so that it can be read and closed.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == window) modal = nullptr;
  if (window->parentWidget() != modal) window->setParent(modal, Qt::Window);
  // "page.html#topic" names a place on the page.
  const qsizetype hash = page.indexOf('#');
  QUrl url = QUrl::fromLocalFile(QDir(HelpFolder()).filePath(page.left(hash)));
  if (hash >= 0) url.setFragment(page.mid(hash + 1));
  browser->setSource(url);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace vl
