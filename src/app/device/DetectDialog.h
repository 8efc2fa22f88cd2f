#pragma once
// TfmDetect: the small window shown while the keyboard is identified or its
// controller version read: the step's caption and text and the attempt label.

#include <QDialog>

class QLabel;

namespace vl {

class TfmDetect : public QDialog {
  Q_OBJECT

 public:
  explicit TfmDetect(QWidget* parent = nullptr);

  // Shows the window (not modally) with the step's caption and text.
  void Open(const QString& caption, const QString& text);
  // "N-я попытка", painted at once.
  void SetAttempt(const QString& label);

  QLabel* Info() const { return stInfo_; }
  QLabel* Repeat() const { return lbRepeat_; }

 private:
  QLabel* stInfo_;
  QLabel* lbRepeat_;
};

}  // namespace vl
