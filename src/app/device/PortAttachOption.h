#pragma once
// The check box for "attach the keyboard port for a download and release it
// afterwards" on a settings dialog's page. The choice is kept beside the
// settings (PortHelper), so the box reads it whenever the dialog is shown and
// writes it when the dialog is accepted.

#include <QObject>

#include "core/settings/SettingsBackend.h"

class QCheckBox;
class QDialog;
class QWidget;

namespace vl {

class PortAttachOption : public QObject {
  Q_OBJECT

 public:
  // Adds the box to the page (to its first column when the page has columns);
  // owned by the dialog.
  PortAttachOption(QDialog& dialog, QWidget& page, ISettingsBackend& backend);

  QCheckBox* CheckBox() const { return cbAttachPort_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ISettingsBackend& backend_;
  QCheckBox* cbAttachPort_;
};

}  // namespace vl
