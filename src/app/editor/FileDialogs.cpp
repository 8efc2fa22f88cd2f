#include "app/editor/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include <vector>

#include "core/mtf/LayoutFormats.h"

namespace vl {

namespace {

// The formats a dialog offers, the first one giving the default suffix.
std::vector<LayoutFormatId> FormatsOf(FileDialogKind kind) {
  switch (kind) {
    case FileDialogKind::OpenLayout: return {LayoutFormatId::LayoutFile, LayoutFormatId::OldLayoutFile};
    case FileDialogKind::SaveLayout: return {LayoutFormatId::LayoutFile};
    case FileDialogKind::ImportMtf:
    case FileDialogKind::ExportMtf: return {LayoutFormatId::MacroText};
  }
  return {};
}

}  // namespace

QString QtFileDialogs::Choose(FileDialogKind kind, const QString& folder, const QString& proposed) {
  const bool save = kind == FileDialogKind::SaveLayout || kind == FileDialogKind::ExportMtf;
  const std::vector<LayoutFormatId> formats = FormatsOf(kind);
  QStringList filters;
  for (const LayoutFormatId id : formats) {
    const LayoutFormat& format = GetLayoutFormat(id);
    const std::string_view filter = save ? format.SaveFilter : format.OpenFilter;
    filters << QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
  }
  if (!save) {
    filters << QString::fromUtf8(kAllFilesFilter.data(), static_cast<qsizetype>(kAllFilesFilter.size()));
  }
  const std::string_view suffix = GetLayoutFormat(formats.front()).DefaultSuffix();
  // A folder that is gone (a removed drive, a deleted folder) starts where the user last was.
  const QString start = QDir(folder).exists() ? folder : lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_;
  QFileDialog dialog(parent_, QString(), start, filters.join(QStringLiteral(";;")));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QString::fromUtf8(suffix.data(), static_cast<qsizetype>(suffix.size())));
  if (!proposed.isEmpty()) dialog.selectFile(QDir(start).filePath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  lastFolder_ = dialog.directory().absolutePath();
  return dialog.selectedFiles().first();
}

}  // namespace vl
