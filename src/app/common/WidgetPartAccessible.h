#pragma once
// A part of a widget that paints its parts itself (a grid cell, a key of the
// simulated keyboard), for assistive technology: an object with no children and
// no QObject of its own, valid as long as its widget lives.

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace vl {

template <typename Widget>
class WidgetPartAccessible : public QAccessibleInterface {
 public:
  explicit WidgetPartAccessible(Widget* widget) : widget_(widget) {}

  bool isValid() const override { return !widget_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return widget_ ? widget_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(widget_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  // The part's rectangle in the widget, on the screen.
  QRect OnScreen(const QRect& inWidget) const {
    return QRect(widget_->mapToGlobal(inWidget.topLeft()), inWidget.size());
  }

  QPointer<Widget> widget_;
};

}  // namespace vl
