#pragma once
// The interval dialog (TfmIBD in the program this one replaces): "Интервал",
// chooses the attached keyboard's interval between the scan codes it sends. The stored setting "ibd" is not changed.

#include <QDialog>
#include <optional>

class QComboBox;

namespace vl {

class IntervalDialog : public QDialog {
  Q_OBJECT

 public:
  explicit IntervalDialog(QWidget* parent = nullptr);

  // Shows the dialog with "3,2" chosen; the list item chosen with OK, nothing
  // when cancelled. The device command sends it.
  std::optional<int> Choose();
  QComboBox* Intervals() const { return cbIBD_; }

 private:
  QComboBox* cbIBD_;
};

}  // namespace vl
