#pragma once
// TfmInfo: "Информация об устройстве", the attached keyboard's eleven rows.

#include <QDialog>

#include "core/device/DeviceInfoQuery.h"

class QTreeWidget;

namespace vl {

class TfmInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TfmInfo(QWidget* parent = nullptr);

  // Fills the list; Exec shows it modally.
  void SetRows(const DeviceInfoTable& rows);
  QTreeWidget* List() const { return lvInfo_; }

 private:
  QTreeWidget* lvInfo_;
};

}  // namespace vl
