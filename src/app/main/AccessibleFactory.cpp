#include "app/main/AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QMainWindow>

#include "app/device/SimKeyField.h"
#include "app/device/SimKeyFieldAccessible.h"
#include "app/editor/GridAccessible.h"
#include "app/editor/VL2Grid.h"
#include "app/input/PortEdit.h"
#include "app/input/PortEditAccessible.h"

namespace vl {

namespace {

// Qt asks with each class name from the most derived up, so the program's own
// classes are seen before Qt's generic answer for a bare QWidget.
QAccessibleInterface* CreateAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("vl::TVL2Grid")) return new GridAccessible(static_cast<TVL2Grid*>(object));
  if (className == QLatin1String("vl::TPortEdit")) return new PortEditAccessible(static_cast<TPortEdit*>(object));
  if (className == QLatin1String("vl::SimKeyField"))
    return new SimKeyFieldAccessible(static_cast<SimKeyField*>(object));
  auto* widget = qobject_cast<QWidget*>(object);
  // A tool window made of a plain widget would read as a filler.
  if (className.startsWith(QLatin1String("vl::")) && widget && widget->isWindow() &&
      !qobject_cast<QDialog*>(widget) && !qobject_cast<QMainWindow*>(widget)) {
    return new QAccessibleWidget(widget, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(CreateAccessible);
}

}  // namespace vl
