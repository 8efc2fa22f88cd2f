#pragma once
// TfmInputWnd: what the key function window and the card-reader window share:
// four rows of press and release lines, notes and autorepeat boxes on pages, the
// pop-up menu of the lines, and writing the changes into the document when the
// window loses the focus. Subclasses add their own controls and say where the
// changes go.

#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "app/input/PortEdit.h"
#include "core/input/InputWindowModel.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QVBoxLayout;

namespace vl {

class ISettingsBackend;
class TfmClick;
class TfmKeyList;
class TfmPause;

// The small modal windows the commands open, created once by the main window.
struct InputDialogs {
  TfmPause& Pause;
  TfmClick& Click;
  TfmKeyList& KeyList;
};

// What an input window needs of the program.
struct InputContext {
  SettingsStore& Settings;
  ISettingsBackend& Backend;
  IPrompt& Prompt;
  InputDialogs Dialogs;
  // The keyboard port whose bytes the lines record; an empty handle: the
  // desktop's key events.
  std::function<PortHandle()> Port = [] { return PortHandle(); };
};

class TfmInputWnd : public QWidget {
  Q_OBJECT

 public:
  // The line menu's commands.
  enum class LineCommand { Cut, Copy, Paste, Clear, ClearAll, Pause, AddDown, AddUp, Beep, Leave };

  // placementKey: the settings sub-key that keeps the window's position.
  // firstCorner: where in the main window it first shows while no position is
  // kept (Qt::AlignLeft or Qt::AlignRight, at the bottom): clear of the menus
  // and toolbars, and the two windows clear of each other.
  TfmInputWnd(const InputContext& context, const char* placementKey, Qt::Alignment firstCorner,
              QWidget* parent);
  ~TfmInputWnd() override;

  TPortEdit* PressLine(int row) const { return press_[row]; }
  TPortEdit* ReleaseLine(int row) const { return release_[row]; }
  QLineEdit* NoteEdit(int row) const { return notes_[row]; }
  QCheckBox* AutoRepeatBox(int row) const { return autoRepeat_[row]; }
  QTabWidget* Pages() const { return pages_; }
  QAction* Action(LineCommand command) const { return actions_.at(command); }

  // Leaves the active line, then writes the changed fields where they belong.
  void WriteBack();
  // Evaluates the enable rules for the focused field.
  void RefreshCommands();
  // A row that is switched off: its lines, note and captions look disabled.
  void SetRowEnabled(int row, bool on);

 protected:
  struct RowTexts {
    const char* PressPage;
    const char* ReleasePage;
    const char* PressName;    // accessible name of a press line, "%1" the row number
    const char* ReleaseName;
    const char* RowLabel;
    int FirstNumber;          // the number of row 0 in those texts
  };

  virtual InputWindowModel& Model() = 0;
  // Writes the model where the window's changes belong.
  virtual void Apply() = 0;

  // Builds the pages; autoRepeat adds the autorepeat boxes to the press page.
  void BuildRows(const RowTexts& texts, bool autoRepeat);
  // Shows the model in the controls without marking anything changed.
  void LoadRows();
  // Where subclasses put their controls above the pages.
  QVBoxLayout* Body() const { return body_; }

  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* CurrentField() const;
  TPortEdit* CurrentLine() const;
  // Runs a command that opens a modal window: the focused line's capture pauses
  // meanwhile and the window's deactivation writes nothing.
  template <typename Run>
  void Modal(Run run);
  void BuildActions();
  void LineLeft(int row, bool release);
  // Leaves the line for a control that does not capture keys.
  void FocusOffLines();
  void CopyLine(TPortEdit& line) const;
  void Paste();
  void Pauses();
  void AddCode(bool release);
  void Clicks();

  const InputContext context_;
  const char* placementKey_;
  QVBoxLayout* body_;
  QTabWidget* pages_;
  std::array<TPortEdit*, kInputRows> press_{};
  std::array<TPortEdit*, kInputRows> release_{};
  std::array<QLineEdit*, kInputRows> notes_{};
  std::array<QCheckBox*, kInputRows> autoRepeat_{};
  std::array<std::array<QLabel*, 3>, kInputRows> captions_{};  // press, release, note pages
  std::map<LineCommand, QAction*> actions_;
  QMenu* pmLine_;
  TPortEdit* menuLine_ = nullptr;
  bool loading_ = false;
  bool inCommand_ = false;
  Qt::Alignment firstCorner_;
  bool placed_ = false;
};

}  // namespace vl
