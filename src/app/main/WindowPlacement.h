#pragma once
// WindowPlacement: where the main window and its layout windows stand. A first
// start takes most of the screen; the main window's placement ("Windows\Main")
// and its toolbars ("Toolbars") are stored on exit and restored when it is first
// shown. Each new layout window steps down and right in the area, the arrange
// command lays them out, and a smaller area fits them in again.

#include <QObject>

#include "core/settings/SettingsBackend.h"

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace vl {

class WindowPlacement : public QObject {
 public:
  // Gives the window its smallest and its first size; the window, its area and
  // the backend outlive this.
  WindowPlacement(QMainWindow& window, QMdiArea& area, ISettingsBackend& backend);

  // The toolbars as they were left; after they are built.
  void RestoreToolbars();
  // The stored placement, when every value of it is there.
  void RestorePlacement();
  // The placement and the toolbars, for the next start.
  void Save();
  // A new layout window's place, with shown windows in the area before it.
  void PlaceNew(QMdiSubWindow& sub, int shown);
  // Lays the layout windows out as chosen in TfmArrange.
  void Arrange(int choice);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Cascade();
  void FitLayoutWindows();

  QMainWindow& window_;
  QMdiArea& area_;
  ISettingsBackend& backend_;
};

}  // namespace vl
