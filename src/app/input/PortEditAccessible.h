#pragma once
// A code-sequence line for assistive technology: a read-only text holding the
// key events as the line shows them, the caret at its end (where typing goes),
// described by where its keys come from.

#include <QAccessibleWidget>

namespace vl {

class TPortEdit;

class PortEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PortEditAccessible(TPortEdit* line);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text kind) const override;

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return characterCount(); }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return characterCount(); }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override;

 private:
  QString Content() const;
};

}  // namespace vl
