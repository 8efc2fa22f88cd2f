#include "app/input/PortEditAccessible.h"

#include "app/input/PortEdit.h"

namespace vl {

PortEditAccessible::PortEditAccessible(TPortEdit* line) : QAccessibleWidget(line, QAccessible::EditableText) {}

QString PortEditAccessible::Content() const { return static_cast<TPortEdit*>(widget())->SpokenText(); }

void* PortEditAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State PortEditAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  // Typing records keys rather than editing the text.
  state.readOnly = true;
  state.editable = false;
  state.multiLine = false;
  return state;
}

QString PortEditAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return Content();
  // Where the keys come from follows the port chosen at the time.
  if (kind == QAccessible::Description) return static_cast<TPortEdit*>(widget())->SourceText();
  return QAccessibleWidget::text(kind);
}

QString PortEditAccessible::text(int startOffset, int endOffset) const {
  const QString content = Content();
  if (endOffset < 0 || endOffset > content.size()) endOffset = static_cast<int>(content.size());
  if (startOffset < 0 || startOffset > endOffset) return {};
  return content.mid(startOffset, endOffset - startOffset);
}

int PortEditAccessible::characterCount() const { return static_cast<int>(Content().size()); }

QString PortEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  Q_UNUSED(offset);
  return {};
}

}  // namespace vl
