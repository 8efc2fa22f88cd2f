#pragma once
// TfmArrange: "Расположение окон", how the layout windows are laid out.

#include <QDialog>

class QRadioButton;

namespace vl {

class TfmArrange : public QDialog {
  Q_OBJECT
 public:
  enum Choice { kTopToBottom, kLeftToRight, kCascade };
  explicit TfmArrange(QWidget* parent = nullptr);
  // The Choice made, -1 when cancelled.
  int Exec();

 private:
  QRadioButton* rbChoice_[3];
};

}  // namespace vl
