#pragma once
// LayoutDocuments: the main window's file commands. Opens and imports layouts
// into new windows, exports and saves the documents of open ones, each in its
// format of the core's table (LayoutFormats); chooses the files in the file
// dialogs and remembers the folder of the last choice. A file that cannot be read
// or written is told in one place.

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "app/common/FileDialogs.h"
#include "core/common/FileErrors.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/document/VL2Document.h"
#include "core/formats/LayoutFormats.h"
#include "core/settings/SettingsStore.h"

namespace vl {

class TfmGrid;

// The layout windows as the file commands see them; the main window keeps them.
class ILayoutWindows {
 public:
  virtual ~ILayoutWindows() = default;
  virtual QList<TfmGrid*> LayoutWindows() const = 0;
  virtual TfmGrid* ActiveLayout() const = 0;
  // Closes the window; its document's Modified decides whether it asks first.
  virtual void CloseLayoutWindow(TfmGrid& window) = 0;
  // Shows a document read from a file in a new window, in place of an untitled
  // layout nobody has touched. An empty caption numbers it as a new layout.
  virtual void AddReadLayout(std::unique_ptr<TVL2Document> document, const QString& caption) = 0;
  virtual void CommandsChanged() = 0;
};

class LayoutDocuments {
  Q_DECLARE_TR_FUNCTIONS(vl::LayoutDocuments)

 public:
  // All of them outlive this.
  LayoutDocuments(ILayoutWindows& windows, SettingsStore& settings, IPrompt& prompt, IReporter& reporter,
                  IFileDialogs& dialogs);

  // A layout file into a new window. A file open already is left as it is
  // unless it is modified or recent is set; then the user may go back to the
  // saved file, which replaces the window.
  void OpenFile(const QString& fileName, bool recent = false);
  // A Macro Text Format file into a new untitled window.
  void ImportFile(const QString& fileName);
  // The window's layout as Macro Text Format; an empty name asks for one. What the
  // text could not carry is told in one message after the file is written. False
  // when cancelled or failed.
  bool ExportTo(TfmGrid& window, const QString& fileName);
  // The window's layout into its file, or one chosen in the dialog (always for
  // saveAs, and for a layout that has no file of the current format). An
  // unmodified layout with its file is not written again. False when cancelled
  // or failed.
  bool Save(TfmGrid& window, bool saveAs);
  // The file dialog first, then the command.
  void ChooseAndOpen();
  void ChooseAndImport();

  // Where a file dialog for the window's layout (null: none) starts.
  QString DialogFolder(const TfmGrid* window) const;

 private:
  // A file dialog's choice; the folder it was made in is remembered.
  QString ChooseFile(FileDialogKind kind, const TfmGrid* window, const QString& proposed);
  // A fresh document read from the file, or null after a failure (told).
  std::unique_ptr<TVL2Document> Read(LayoutFormatId id, const QString& fileName);
  // False after a failure (told). losses, when given, gets what the format could
  // not carry.
  bool Write(LayoutFormatId id, TVL2Document& document, const QString& fileName,
             std::vector<MtfLoss>* losses = nullptr);
  // Runs the file operation and tells its failure: nothing when the user declined
  // or the reader has told it, readFailure (when given) for a file that cannot be
  // read, the failure's own message otherwise. False after a failure.
  bool Attempt(const std::function<void()>& operation, const std::string& readFailure = {});
  QString LayoutsFolder() const;

  ILayoutWindows& windows_;
  SettingsStore& settings_;
  IPrompt& prompt_;
  IReporter& reporter_;
  IFileDialogs& dialogs_;
  QString lastFolder_;  // where the last file was chosen
};

}  // namespace vl
