#include "app/common/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <vector>

#include "app/common/CoreTexts.h"
#include "core/formats/LayoutFormats.h"

namespace vl {

namespace {

// The formats a dialog offers, the first one giving the default suffix.
std::vector<LayoutFormatId> FormatsOf(FileDialogKind kind) {
  switch (kind) {
    case FileDialogKind::OpenLayout: return {LayoutFormatId::LayoutFile, LayoutFormatId::OldLayoutFile};
    case FileDialogKind::SaveLayout: return {LayoutFormatId::LayoutFile};
    case FileDialogKind::ImportMtf:
    case FileDialogKind::ExportMtf: return {LayoutFormatId::MacroText};
    case FileDialogKind::SaveKeyImage: return {};
  }
  return {};
}

}  // namespace

QString DialogStartFolder(const QString& layoutFile, const QString& lastFolder, const QString& layoutsFolder) {
  const QString layoutFolder = layoutFile.isEmpty() ? QString() : QFileInfo(layoutFile).absolutePath();
  for (const QString& folder : {layoutFolder, lastFolder, layoutsFolder})
    if (!folder.isEmpty() && QDir(folder).exists()) return folder;
  return QDir::homePath();
}

QString QtFileDialogs::Choose(FileDialogKind kind, const QString& folder, const QString& proposed) {
  const bool save = kind == FileDialogKind::SaveLayout || kind == FileDialogKind::ExportMtf ||
                    kind == FileDialogKind::SaveKeyImage;
  QStringList filters;
  QString suffix;
  if (kind == FileDialogKind::SaveKeyImage) {
    filters << QStringLiteral("Enhanced Windows Meta-File (*.emf)")
            << QStringLiteral("Rich Text Format (Word 97) (*.rtf)") << QStringLiteral("PDF (*.pdf)")
            << QStringLiteral("SVG (*.svg)");
    suffix = QStringLiteral("emf");
  } else {
    const std::vector<LayoutFormatId> formats = FormatsOf(kind);
    for (const LayoutFormatId id : formats) {
      const LayoutFormat& format = GetLayoutFormat(id);
      const std::string_view filter = save ? format.SaveFilter : format.OpenFilter;
      filters << CoreText(std::string(filter));
    }
    if (!save) {
      filters << CoreText(std::string(kAllFilesFilter));
    }
    const std::string_view defaultSuffix = GetLayoutFormat(formats.front()).DefaultSuffix();
    suffix = QString::fromUtf8(defaultSuffix.data(), static_cast<qsizetype>(defaultSuffix.size()));
  }
  const QString start = QDir(folder).exists() ? folder : QDir::homePath();
  QFileDialog dialog(parent_, QString(), start, filters.join(QStringLiteral(";;")));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(suffix);
  // A name typed without its extension takes the chosen filter's, not the first one's.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
    const qsizetype dot = filter.lastIndexOf(QStringLiteral("*."));
    if (dot >= 0) dialog.setDefaultSuffix(filter.mid(dot + 2).chopped(1));
  });
  if (!proposed.isEmpty()) dialog.selectFile(QDir(start).filePath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace vl
