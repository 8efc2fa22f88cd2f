#include "app/editor/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace vl {

QString QtFileDialogs::Choose(FileDialogKind kind, const QString& folder, const QString& proposed) {
  const bool save = kind == FileDialogKind::SaveLayout || kind == FileDialogKind::ExportMtf;
  QString filter;
  QString suffix;
  switch (kind) {
    case FileDialogKind::OpenLayout:
      filter = QString::fromUtf8(
          "Раскладка Velmorando 2 (*.vld);;Раскладка Velmorando 1.5 (*.mkb);;Все файлы (*.*)");
      suffix = QStringLiteral("vld");
      break;
    case FileDialogKind::SaveLayout:
      filter = QString::fromUtf8("Раскладка Velmorando 2  (*.vld)");
      suffix = QStringLiteral("vld");
      break;
    case FileDialogKind::ImportMtf:
      filter = QString::fromUtf8("Macro Text Format (*.mtf);;Все файлы (*.*)");
      suffix = QStringLiteral("mtf");
      break;
    case FileDialogKind::ExportMtf:
      filter = QStringLiteral("Macro Text Format (*.mtf)");
      suffix = QStringLiteral("mtf");
      break;
  }
  // A folder that is gone (a removed drive, a deleted folder) starts where the user last was.
  const QString start = QDir(folder).exists() ? folder : lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  QFileDialog dialog(parent_, QString(), start, filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(suffix);
  if (!proposed.isEmpty()) dialog.selectFile(QDir(start).filePath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  lastFolder_ = dialog.directory().absolutePath();
  return dialog.selectedFiles().first();
}

}  // namespace vl
