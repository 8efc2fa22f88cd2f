#pragma once
// The supported-devices window (TfmExAbout in the program this one replaces):
// "Поддерживаемые устройства". Lists the sections of DEVICES.TYP and describes
// the chosen one; also serves as a device chooser. The catalogue is
// read afresh on every show, so an edited file shows without a restart.

#include <QDialog>

class QListWidget;
class QPlainTextEdit;

namespace vl {

class IniFile;

class SupportedDevicesDialog : public QDialog {
  Q_OBJECT

 public:
  // dataFolder holds DEVICES.TYP.
  explicit SupportedDevicesDialog(QString dataFolder, QWidget* parent = nullptr);
  ~SupportedDevicesDialog() override;

  int Exec();
  // The section chosen, as listed (a device type in hexadecimal); empty if none.
  QString SelectedSection() const;
  const QString& DataFolder() const { return dataFolder_; }

  QListWidget* List() const { return lbSeries_; }
  QPlainTextEdit* Description() const { return mmDescription_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void Load();
  void Describe();

  QString dataFolder_;
  std::unique_ptr<IniFile> catalogue_;
  QListWidget* lbSeries_;
  QPlainTextEdit* mmDescription_;
};

}  // namespace vl
