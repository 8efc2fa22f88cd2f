#include "app/editor/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace vl {

QString QtFileDialogs::Choose(FileDialogKind kind, const QString& folder, const QString& proposed) {
  const bool save = kind == FileDialogKind::SaveLayout || kind == FileDialogKind::ExportMtf ||
                    kind == FileDialogKind::SaveKeyImage;
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
    case FileDialogKind::SaveKeyImage:
      filter = QStringLiteral("Enhanced Windows Meta-File (*.emf);;Rich Text Format (Word 97) (*.rtf)");
      suffix = QStringLiteral("emf");
      break;
  }
  QFileDialog dialog(parent_, QString(), folder, filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(suffix);
  if (!proposed.isEmpty()) dialog.selectFile(QDir(folder).filePath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace vl
