#pragma once
// The main window's file dialogs with their filters. Behind an interface so that
// the file flows can be driven without a dialog.

#include <QString>

class QWidget;

namespace vl {

enum class FileDialogKind { OpenLayout, SaveLayout, ImportMtf, ExportMtf, SaveKeyImage };

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // The chosen file, empty when cancelled. Save dialogs ask before overwriting.
  virtual QString Choose(FileDialogKind kind, const QString& folder, const QString& proposed) = 0;
};

// Where a file dialog starts: the folder of the layout worked on, else the last
// folder a file was chosen in, else the layouts folder; never a folder that is
// gone (a removed drive, a deleted folder).
QString DialogStartFolder(const QString& layoutFile, const QString& lastFolder, const QString& layoutsFolder);

class QtFileDialogs final : public IFileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  QString Choose(FileDialogKind kind, const QString& folder, const QString& proposed) override;

 private:
  QWidget* parent_;
};

}  // namespace vl
