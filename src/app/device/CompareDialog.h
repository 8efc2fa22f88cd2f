#pragma once
// TfmCompare: "Сравнение с устройством", what differs between a layout and the
// one the keyboard holds: one row per key and layer (or per card reader track)
// with what differs. A double-click on a key's row selects that key in the grid.

#include <QDialog>

#include "core/device/LayoutCompare.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace vl {

class TfmCompare : public QDialog {
  Q_OBJECT

 public:
  explicit TfmCompare(QWidget* parent = nullptr);

  // Shows the comparison of the layout named layoutName, not modally; field names
  // the device's field before the summary when it does not start at the first key.
  void ShowComparison(const QString& layoutName, const KeyboardComparison& comparison, const QString& field = {});

  QTreeWidget* List() const { return list_; }
  QLabel* Summary() const { return summary_; }

 signals:
  // A key's row was double-clicked: its cell in the layout grid.
  void KeyChosen(int column, int row);

 private:
  void Choose(QTreeWidgetItem* item);

  QLabel* summary_;
  QTreeWidget* list_;
};

}  // namespace vl
