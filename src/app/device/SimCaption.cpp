#include "app/device/SimCaption.h"

#include <QEvent>
#include <QWidget>

namespace vl {

SimCaption::SimCaption(std::function<bool()> simulated, QObject* parent)
    : QObject(parent), simulated_(std::move(simulated)) {}

void SimCaption::Watch(QWidget* window) { window->installEventFilter(this); }

QString SimCaption::Marked(const QString& caption, bool simulated) {
  const QString suffix = Suffix();
  const bool marked = caption.endsWith(suffix);
  if (simulated && !marked) return caption + suffix;
  if (!simulated && marked) return caption.chopped(suffix.size());
  return caption;
}

QString SimCaption::Suffix() { return tr(" — имитатор клавиатуры"); }

bool SimCaption::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange) {
    auto* window = static_cast<QWidget*>(watched);
    // Retitling again sends another change, which then finds nothing to do.
    const QString caption = Marked(window->windowTitle(), simulated_());
    if (caption != window->windowTitle()) window->setWindowTitle(caption);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vl
