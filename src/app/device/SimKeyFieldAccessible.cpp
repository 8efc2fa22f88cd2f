#include "app/device/SimKeyFieldAccessible.h"

#include <algorithm>
#include <optional>

#include "app/common/WidgetPartAccessible.h"
#include "app/device/SimKeyField.h"

namespace vl {

namespace {

// One key: a button whose press action taps the key.
class SimKeyAccessible : public WidgetPartAccessible<SimKeyField>, public QAccessibleActionInterface {
 public:
  SimKeyAccessible(SimKeyField* field, int x, int y) : WidgetPartAccessible(field), x_(x), y_(y) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name && widget_ ? widget_->KeyName(x_, y_) : QString();
  }
  QRect rect() const override { return widget_ ? OnScreen(widget_->KeyRect(x_, y_)) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!widget_) return state;
    const std::vector<QPoint>& latched = widget_->LatchedKeys();
    state.pressed = std::find(latched.begin(), latched.end(), QPoint(x_, y_)) != latched.end();
    return state;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& name) override {
    if (widget_ && name == pressAction()) widget_->Tap(x_, y_);
  }

 private:
  const int x_;
  const int y_;
};

}  // namespace

SimKeyFieldAccessible::SimKeyFieldAccessible(SimKeyField* field) : QAccessibleWidget(field, QAccessible::Pane) {}

SimKeyFieldAccessible::~SimKeyFieldAccessible() {
  for (QAccessible::Id id : std::as_const(keys_)) QAccessible::deleteAccessibleInterface(id);
}

SimKeyField* SimKeyFieldAccessible::Field() const { return static_cast<SimKeyField*>(widget()); }

int SimKeyFieldAccessible::childCount() const { return Field()->KeyColumns() * Field()->KeyRows(); }

// Keys are listed row by row, as they are read on the keyboard.
QAccessibleInterface* SimKeyFieldAccessible::child(int index) const {
  const int columns = Field()->KeyColumns();
  if (index < 0 || index >= childCount()) return nullptr;
  auto it = keys_.constFind(index);
  if (it != keys_.constEnd()) return QAccessible::accessibleInterface(*it);
  auto* key = new SimKeyAccessible(Field(), index % columns, index / columns);
  keys_.insert(index, QAccessible::registerAccessibleInterface(key));
  return key;
}

int SimKeyFieldAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (auto it = keys_.constBegin(); it != keys_.constEnd(); ++it) {
    if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
  }
  return -1;
}

QAccessibleInterface* SimKeyFieldAccessible::childAt(int x, int y) const {
  const std::optional<QPoint> key = Field()->KeyAt(Field()->mapFromGlobal(QPoint(x, y)));
  return key ? child(key->y() * Field()->KeyColumns() + key->x()) : nullptr;
}

}  // namespace vl
