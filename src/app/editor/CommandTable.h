#pragma once
// The program's commands in one table: name, caption, shortcut, hint, enable
// rule and the layout window command a main window command forwards to. The
// main window and the layout window build their actions from it; a new command
// is a new row (and, where it does something new, a handler in its window).

#include <QIcon>
#include <QKeySequence>
#include <QString>
#include <optional>
#include <vector>

namespace vl {

// The layout window's commands, by their program names.
enum class GridCommand {
  acCut, acCopy, acPaste, acSpecialPaste, acClear, acNoteAdd, acNoteDelete, acMarkAdd,
  acMarkDelete, acGoto, acLayers, acKeyInfo, acColAdd, acColDelete, acRowAdd, acRowDelete,
  acViewLayersAll, acViewLayers0, acViewLayers1, acViewLayers2, acViewLayers3, acViewNormal,
  acViewSuper, acSelect12, acSelect32, acSelect64, acSelect105, acSelect128, acProperties,
  acHide, acGroup, acDegroup, acGroup2Hor, acGroup2Ver, acGroup4, acGroupMoveMaster, acKeyInput,
};

// Which window carries the command: the main window alone, the layout window
// alone (its pop-up menus), or both, the main window forwarding to the active
// layout window.
enum class CommandPlace { Main, Layout, Both };

// When a command is enabled, judged on the layout window concerned (the active
// one for the main window).
enum class EnableRule {
  Always,
  AnyLayout,      // a layout window exists
  SingleLayer,    // it shows a single layer
  OneKey,         // exactly one key is selected
  OneGroupedKey,  // exactly one key is selected and it belongs to a group
  UndoStep,       // its document has a step to undo
  RedoStep,       // its document has a step to redo
  HasKeyNote,     // a selected key has a note
  HasMark,        // a selected key has a bookmark
};

// What a checkable command shows as checked.
enum class CheckRule { None, ShownLayer, ViewMode };

struct CommandRow {
  const char* Name = nullptr;  // the action's object name
  CommandPlace Place = CommandPlace::Main;
  const char* Caption = nullptr;
  QKeySequence Shortcut{};
  const char* Hint = nullptr;  // tool tip and status tip
  EnableRule MainRule = EnableRule::Always;
  EnableRule LayoutRule = EnableRule::Always;
  std::optional<GridCommand> Grid{};  // the layout window's command
  int Data = 0;  // the layer, view mode or field type code the command stands for
  CheckRule Check = CheckRule::None;
  // Where the layout window's menus label the command otherwise.
  const char* LayoutCaption = nullptr;
  std::optional<QKeySequence> LayoutShortcut{};
  // A second key the main window also answers.
  QKeySequence ExtraShortcut{};
  // A toolbar picture drawn here (the grouping shapes); the themed and shipped
  // ones come from CommandIcons.
  QIcon (*Icon)() = nullptr;
};

const std::vector<CommandRow>& Commands();
// A row's caption or hint in the interface language.
QString CommandText(const char* text);
// The row of a command name; the name must be in the table.
const CommandRow& CommandNamed(const char* name);

}  // namespace vl
