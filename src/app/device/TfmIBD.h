#pragma once
// TfmIBD: "Интервал", sets the attached keyboard's interval between the scan
// codes it sends. The stored setting "ibd" is not changed.

#include <QDialog>

#include "core/common/Prompt.h"

class QComboBox;

namespace vl {

class AppDevice;

class TfmIBD : public QDialog {
  Q_OBJECT

 public:
  TfmIBD(IPrompt& prompt, QWidget* parent = nullptr);

  // Shows the dialog with "3,2" chosen; OK sends the interval to the device.
  int Exec(AppDevice& device);
  QComboBox* Intervals() const { return cbIBD_; }
  // Whether the last OK reached the device.
  bool Sent() const { return sent_; }

 private:
  IPrompt& prompt_;
  QComboBox* cbIBD_;
  AppDevice* device_ = nullptr;
  bool sent_ = false;
};

}  // namespace vl
