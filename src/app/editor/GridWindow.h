#pragma once
// TfmGrid: the layout window. One per open layout; owns its key grid (and through
// it the document) and the hidden check panel. Every change goes through the
// document's editing operations.

#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "app/editor/CommandTable.h"
#include "core/document/Clipboard.h"
#include "core/document/VL2Document.h"
#include "core/formats/CheckLayout.h"
#include "core/settings/SettingsStore.h"

class QAction;
class QListWidget;
class QMenu;
class QSplitter;

namespace vl {

class IPrompt;
class TVL2Grid;
class TfmGrid;
class TfmTextEntry;
class TfmGotoBookmark;
class TfmCopyToLayers;
class TfmSpecialPaste;

// What a layout window needs of the main window.
class ILayoutHost {
 public:
  virtual ~ILayoutHost() = default;
  virtual SettingsStore& Settings() = 0;
  virtual IPrompt& Prompt() = 0;
  virtual Clipboard& KeyClipboard() = 0;
  virtual TfmTextEntry& TextEntry() = 0;
  virtual TfmGotoBookmark& GotoBookmark() = 0;
  virtual TfmCopyToLayers& CopyToLayersDialog() = 0;
  virtual TfmSpecialPaste& SpecialPasteDialog() = 0;
  // The save flow; false when cancelled or failed.
  virtual bool SaveWindow(TfmGrid& window, bool saveAs) = 0;
  virtual void SetCloseCancelled() = 0;
  // Shows the settings dialog on a page; true on OK.
  virtual bool ShowParameters(int page) = 0;
  virtual void SetPositionTexts(const QString& position, const QString& move) = 0;
  virtual void ShowCellInformation(int column, int row) = 0;
  // Shows the cell information window for the key.
  virtual void ShowKeyInformation(int column, int row) = 0;
  // Shows the key function window for the window's selection.
  virtual void ShowKeyInput(TfmGrid& window) = 0;
  // The window is going: it has put its file name first in the recent files.
  virtual void WindowClosing(TfmGrid& window) = 0;
  virtual void CommandsChanged() = 0;
};

class TfmGrid : public QWidget {
  Q_OBJECT

 public:
  // The commands of the layout window, by their program names.
  using Command = GridCommand;
  using enum GridCommand;

  TfmGrid(std::unique_ptr<TVL2Document> document, ILayoutHost& host, QWidget* parent = nullptr);
  ~TfmGrid() override;

  TVL2Grid& Grid() const { return *grid_; }
  TVL2Document& Document() const;
  QAction* Action(Command command) const { return actions_.at(command); }
  QMenu* KeyMenu() const { return pmKey_; }
  QMenu* ColumnMenu() const { return pmColumn_; }
  QMenu* RowMenu() const { return pmRow_; }
  QMenu* ViewMenu() const { return pmView_; }

  // The caption is the file name without folder and extension, or "Раскладка N".
  void SetCaption(const QString& caption);
  QString Caption() const { return windowTitle(); }

  // Shows the remarks in the check panel (hidden when there are none).
  void ShowCheckRemarks(const std::vector<CheckRemark>& remarks);
  bool CheckPanelVisible() const;
  QListWidget* CheckPanel() const { return lbCheck_; }

  // The close query: true when the window may close.
  bool QueryClose();
  // The position text this window last put on the status bar.
  const QString& PositionShown() const { return positionShown_; }
  void RefreshCommands();
  // Whether a command under the rule may run on this window now.
  bool Allows(EnableRule rule) const;
  // Whether a checkable command of the row shows as checked here.
  bool Checks(const CommandRow& row) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  // What each command does here.
  void Run(const CommandRow& row);
  void BuildMenus();
  void GoToBookmark();
  void JumpToRemark(int index);
  void ApplyClipboard(bool cut);
  void SpecialPaste();
  // The text entry dialog over a code page 1251 text; empty when cancelled.
  std::string AskText(const char* caption, const char* prompt, const std::string& initial,
                      size_t maxLength);
  void EditNote();
  void EditMark();
  void CopyLayers();
  // Groups the block of that size from the selected key, when the field holds it.
  void GroupShape(int columns, int rows);
  // Groups the rectangle unless it overlaps a group; refusal names the message.
  void GroupRect(const TRect& rect, const char* refusal);

  ILayoutHost& host_;
  TVL2Grid* grid_;
  QSplitter* splitter_;
  QListWidget* lbCheck_;
  std::vector<CheckRemark> remarks_;
  QString positionShown_ = QStringLiteral("(A,1)");
  std::map<Command, QAction*> actions_;
  QMenu* pmKey_;
  QMenu* pmColumn_;
  QMenu* pmRow_;
  QMenu* pmView_;
  QMenu* pmHide_;
};

}  // namespace vl
