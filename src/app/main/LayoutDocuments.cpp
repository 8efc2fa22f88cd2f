#include "app/main/LayoutDocuments.h"

#include <QDir>
#include <QFileInfo>

#include "app/common/CoreTexts.h"
#include "app/editor/GridWindow.h"
#include "core/document/BusyScope.h"

namespace vl {
namespace {

QString BaseCaption(const QString& fileName) { return QFileInfo(fileName).completeBaseName(); }

}  // namespace

LayoutDocuments::LayoutDocuments(ILayoutWindows& windows, SettingsStore& settings, IPrompt& prompt,
                                 IReporter& reporter, IFileDialogs& dialogs)
    : windows_(windows), settings_(settings), prompt_(prompt), reporter_(reporter), dialogs_(dialogs) {}

void LayoutDocuments::ChooseAndOpen() {
  const QString name = ChooseFile(FileDialogKind::OpenLayout, windows_.ActiveLayout(), QString());
  if (!name.isEmpty()) OpenFile(name);
}

void LayoutDocuments::ChooseAndImport() {
  const QString name = ChooseFile(FileDialogKind::ImportMtf, windows_.ActiveLayout(), QString());
  if (!name.isEmpty()) ImportFile(name);
}

void LayoutDocuments::OpenFile(const QString& fileName, bool recent) {
  for (TfmGrid* window : windows_.LayoutWindows()) {
    if (!SameLayoutFile(window->Document().FileName, fileName.toStdString())) continue;
    if (!window->Document().Modified && !recent) return;
    const std::string question =
        tr("Файл %1 уже открыт. Вернуться к сохраненному файлу?").arg(fileName.toUpper()).toStdString();
    if (prompt_.Ask(question, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) != Answer::Yes) {
      return;
    }
    window->Document().Modified = false;  // closed without saving: the file is reloaded
    windows_.CloseLayoutWindow(*window);
    break;
  }
  auto document = Read(LayoutFormatId::LayoutFile, fileName);
  if (!document) return;
  const QString caption = document->Named ? BaseCaption(fileName) : QString();
  windows_.AddReadLayout(std::move(document), caption);
}

void LayoutDocuments::ImportFile(const QString& fileName) {
  if (auto document = Read(LayoutFormatId::MacroText, fileName)) windows_.AddReadLayout(std::move(document), QString());
}

bool LayoutDocuments::ExportTo(TfmGrid& window, const QString& fileName) {
  std::vector<MtfLoss> losses;
  {
    TVL2Document& document = window.Document();
    const BusyScope busy(document);
    QString name = fileName;
    if (name.isEmpty()) name = ChooseFile(FileDialogKind::ExportMtf, &window, window.Caption());
    if (name.isEmpty() || !Write(LayoutFormatId::MacroText, document, name, &losses)) return false;
  }
  // The file is written; what it could not carry is told once, in one message.
  if (!losses.empty()) {
    prompt_.Message(MtfLossesMessage(losses, CoreTranslator()), kCaptionAttention, MessageIcon::Warning);
  }
  return true;
}

bool LayoutDocuments::Save(TfmGrid& window, bool saveAs) {
  TVL2Document& document = window.Document();
  if (!saveAs && !document.Modified && document.Named) return true;
  {
    const BusyScope busy(document);
    QString name = QString::fromStdString(document.FileName);
    if (!document.Named || saveAs || name.isEmpty()) {
      name = ChooseFile(FileDialogKind::SaveLayout, &window, window.Caption());
      if (name.isEmpty()) return false;
    }
    if (!Write(LayoutFormatId::LayoutFile, document, name)) return false;
    window.SetCaption(BaseCaption(name));
  }
  windows_.CommandsChanged();
  return true;
}

std::unique_ptr<TVL2Document> LayoutDocuments::Read(LayoutFormatId id, const QString& fileName) {
  const LayoutFormat& format = GetLayoutFormat(id);
  const std::string name = fileName.toStdString();
  auto document = std::make_unique<TVL2Document>();
  // A layout file that cannot be read is told as the open command always told it;
  // Macro Text Format says itself what went wrong.
  const std::string readFailure =
      id == LayoutFormatId::MacroText ? std::string() : WithFileName(tr("Ошибка чтения из файла.").toStdString(), name);
  const bool read = Attempt([&] { format.Read(*document, name, settings_, prompt_, reporter_); }, readFailure);
  return read ? std::move(document) : nullptr;
}

bool LayoutDocuments::Write(LayoutFormatId id, TVL2Document& document, const QString& fileName,
                            std::vector<MtfLoss>* losses) {
  const LayoutFormat& format = GetLayoutFormat(id);
  return Attempt([&] {
    auto left = format.Write(document, fileName.toStdString(), settings_, reporter_);
    if (losses) *losses = std::move(left);
  });
}

bool LayoutDocuments::Attempt(const std::function<void()>& operation, const std::string& readFailure) {
  try {
    operation();
    return true;
  } catch (const OperationAbandoned&) {
    return false;
  } catch (const FileReadError& error) {
    prompt_.Message(readFailure.empty() ? std::string(error.what()) : readFailure, kCaptionError, MessageIcon::Error);
  } catch (const FileError& error) {
    prompt_.Message(error.what(), kCaptionError, MessageIcon::Error);
  }
  return false;
}

QString LayoutDocuments::LayoutsFolder() const {
  const QString folder = QString::fromStdString(settings_.LayoutsPath());
  // A fresh account may have no documents folder yet: it is made, and where it
  // cannot be, the home folder stands in.
  if (!folder.isEmpty() && QDir().mkpath(folder)) return folder;
  return QDir::homePath();
}

QString LayoutDocuments::DialogFolder(const TfmGrid* window) const {
  const TVL2Document* document = window ? &window->Document() : nullptr;
  const QString file = document && document->Named ? QString::fromStdString(document->FileName) : QString();
  return DialogStartFolder(file, lastFolder_, LayoutsFolder());
}

QString LayoutDocuments::ChooseFile(FileDialogKind kind, const TfmGrid* window, const QString& proposed) {
  const QString name = dialogs_.Choose(kind, DialogFolder(window), proposed);
  if (!name.isEmpty()) lastFolder_ = QFileInfo(name).absolutePath();
  return name;
}

}  // namespace vl
