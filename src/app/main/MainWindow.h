#pragma once
// TfmMain: the multi-document main window. Owns the menus, toolbars, status bar and
// the cell information window; creates layouts, each in a TfmGrid, and shows the
// ones its file commands (LayoutDocuments) read; forwards the editing commands to
// the active layout window.

#include <QDesktopServices>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/common/FileDialogs.h"
#include "app/editor/CommandTable.h"
#include "app/editor/GridWindow.h"
#include "app/main/LayoutDocuments.h"
#include "core/document/Clipboard.h"
#include "core/settings/RecentFiles.h"
#include "core/settings/SettingsBackend.h"
#include "core/settings/SettingsStore.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPlainTextEdit;
class QProgressBar;
class QDockWidget;
class QToolBar;

namespace vl {

class AppDevice;
class DeviceCommands;
class StatusReporter;
class TfmArrange;
class TfmCardInputWnd;
class TfmClick;
class SupportedDevicesDialog;
class TfmKeyInputWnd;
class TfmKeyList;
class TfmPause;
class TemplateDialog;
class TfmParameters;
class WindowPlacement;

// The status bar's panels, left to right.
enum class StatusPanel { Saved, Position, Move, Password };
inline constexpr int kStatusPanelCount = 4;

// What the main window's commands do, by the commands' names.
using CommandHandlers = std::map<std::string, std::function<void()>>;

// Every row the main window carries either forwards to a layout window command
// or has a handler; throws std::logic_error naming the first row that has neither,
// so that a command added to the table cannot sit in the menus doing nothing.
void CheckCommandHandlers(const std::vector<CommandRow>& rows, const CommandHandlers& handlers);

class TfmMain : public QMainWindow, public ILayoutHost, public ILayoutWindows {
  Q_OBJECT

 public:
  // The store and the backend outlive the window; dataFolder holds what lies
  // beside the program (catalogue, templates, spaste.ini). Prompt and dialogs
  // default to the Qt ones when null (tests pass scripted ones). Creation reads
  // no setting: it restores the toolbars and the recent files only.
  TfmMain(SettingsStore& settings, ISettingsBackend& backend, QString dataFolder, QStringList files,
          IPrompt* prompt = nullptr, IFileDialogs* dialogs = nullptr);
  ~TfmMain() override;

  // Creates the dialogs, once: start-up calls it after the splash; the first
  // show calls it when start-up did not.
  void CreateDialogs();

  // ILayoutHost
  SettingsStore& Settings() override { return settings_; }
  IPrompt& Prompt() override { return *prompt_; }
  Clipboard& KeyClipboard() override { return clipboard_; }
  TfmTextEntry& TextEntry() override { return *textEntry_; }
  TfmGotoBookmark& GotoBookmark() override { return *gotoBookmark_; }
  TfmCopyToLayers& CopyToLayersDialog() override { return *copyToLayers_; }
  TfmSpecialPaste& SpecialPasteDialog() override { return *specialPaste_; }
  bool SaveWindow(TfmGrid& window, bool saveAs) override { return documents_->Save(window, saveAs); }
  void SetCloseCancelled() override { closeCancelled_ = true; }
  // The settings dialog on page (-1: the page last used) and, on OK, everything
  // that follows from it: the autosave, the port, the backup and the attach option.
  bool ShowParameters(int page) override;
  void SetPositionTexts(const QString& position, const QString& move) override;
  void ShowCellInformation(int column, int row) override;
  void ShowKeyInformation(int column, int row) override;
  void ShowKeyInput(TfmGrid& window) override;
  void WindowClosing(TfmGrid& window) override;
  void CommandsChanged() override;

  // ILayoutWindows
  QList<TfmGrid*> LayoutWindows() const override;
  TfmGrid* ActiveLayout() const override;
  void CloseLayoutWindow(TfmGrid& window) override;
  void AddReadLayout(std::unique_ptr<TVL2Document> document, const QString& caption) override;

  // The flows behind the commands, callable without their file dialogs.
  TfmGrid* NewLayout();
  // New layout from a template chosen in TemplateDialog; an empty layout when there is
  // no template list or the template cannot be read.
  void NewFromTemplate();
  void CloseAll();
  void CheckActiveLayout();
  void SetPassword();
  void ClearPassword();
  // The autosave tick: saves the active modified layout unless it is busy.
  void AutosaveTick();
  void RestartAutosave();

  // The file commands: open, import, export, save.
  LayoutDocuments& Documents() const { return *documents_; }
  // The main window's placement and the layout windows' arrangement.
  WindowPlacement& Placement() const { return *placement_; }
  void Activate(TfmGrid* window);
  QAction* Action(const QString& name) const { return actions_.at(name); }
  const RecentFiles& Recent() const { return recent_; }
  QString StatusText(StatusPanel panel) const;
  QProgressBar* Progress() const { return progress_; }
  QDockWidget* CellInfo() const { return cellInfo_; }
  QTimer& AutosaveTimer() { return autosave_; }
  TfmParameters& Parameters() const { return *parameters_; }
  TemplateDialog& TemplateChoice() const { return *templateChoice_; }
  SupportedDevicesDialog& SupportedDevices() const { return *supportedDevices_; }
  DeviceCommands& Device() const { return *device_; }
  // The port text --port gave, which overrides the stored "keyboard port".
  void SetPortOverride(const QString& port) { portOverride_ = port; }
  // How the device commands get their keyboard (tests give a simulated one).
  void SetDeviceOpener(std::function<std::unique_ptr<AppDevice>()> opener);
  TfmKeyInputWnd& KeyInput() const { return *keyInput_; }
  TfmCardInputWnd& CardInput() const { return *cardInput_; }
  // The card-reader window for the active layout.
  void ShowCardInput();
  // Opens an address in the browser; false when none could be started. Tests
  // replace it.
  std::function<bool(const QUrl&)> OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildActions();
  // The maker's site, or a message saying that no browser could show it.
  void OpenSite(const QString& address);
  void BuildMenus();
  void BuildToolbars();
  void BuildStatusBar();
  // The port choice in force: --port, else the stored "keyboard port".
  std::string PortChoiceText() const;
  // The status bar's mark and the window menu's entry of the simulated keyboard.
  void ShowPortChoice();
  void FirstShow();
  TfmGrid* AddLayoutWindow(std::unique_ptr<TVL2Document> document, const QString& caption);
  void CloseUntitledActive();
  void RebuildRecentMenu();
  void RebuildWindowMenu();
  QString NextUntitledName();

  SettingsStore& settings_;
  ISettingsBackend& backend_;
  QString dataFolder_;
  QStringList startFiles_;
  std::unique_ptr<IPrompt> ownPrompt_;
  IPrompt* prompt_;
  std::unique_ptr<IFileDialogs> ownDialogs_;
  IFileDialogs* dialogs_;
  std::unique_ptr<StatusReporter> reporter_;
  std::unique_ptr<LayoutDocuments> documents_;
  std::unique_ptr<WindowPlacement> placement_;
  Clipboard clipboard_;
  RecentFiles recent_;
  uint16_t documentCounter_ = 0;
  bool closeCancelled_ = false;
  bool shown_ = false;
  QTimer autosave_;
  // The layout window whose autosave waits for its busy document.
  QPointer<TfmGrid> autosavePostponed_;
  QMdiArea* mdi_;
  QLabel* panels_[kStatusPanelCount];
  QLabel* Panel(StatusPanel panel) const { return panels_[static_cast<int>(panel)]; }
  QLabel* simulatorPanel_ = nullptr;
  QProgressBar* progress_;
  QDockWidget* cellInfo_;
  QPlainTextEdit* cellText_;
  int cellInfoColumn_ = 0;  // the key the cell information shows, 0 for none
  int cellInfoRow_ = 0;
  std::map<QString, QAction*> actions_;
  std::map<QString, QToolBar*> toolbars_;
  QMenu* recentMenu_ = nullptr;
  QMenu* toolbarMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QList<QAction*> windowListActions_;
  // The dialogs, created once by CreateDialogs and shown again and again.
  SupportedDevicesDialog* supportedDevices_ = nullptr;
  TfmArrange* arrange_ = nullptr;
  TfmTextEntry* textEntry_ = nullptr;
  TemplateDialog* templateChoice_ = nullptr;
  TfmCopyToLayers* copyToLayers_ = nullptr;
  TfmSpecialPaste* specialPaste_ = nullptr;
  TfmParameters* parameters_ = nullptr;
  TfmGotoBookmark* gotoBookmark_ = nullptr;
  DeviceCommands* device_ = nullptr;
  QString portOverride_;
  std::function<std::unique_ptr<AppDevice>()> deviceOpener_;
  TfmPause* pause_ = nullptr;
  TfmClick* click_ = nullptr;
  TfmKeyList* keyList_ = nullptr;
  TfmKeyInputWnd* keyInput_ = nullptr;
  TfmCardInputWnd* cardInput_ = nullptr;
};

}  // namespace vl
