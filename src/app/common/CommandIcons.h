#pragma once
// Toolbar icons of the commands, keyed by the action's object name: the icon
// theme's own (freedesktop names) where the desktop has one, else ours, shipped
// as resources under :/icons.

#include <QIcon>
#include <QString>
#include <span>

namespace vl {

struct CommandIcon {
  const char* action;     // object name, "acSave"
  const char* themeName;  // freedesktop icon name, or nullptr when no theme name fits
  const char* fallback;   // our SVG under :/icons, without extension
};

// Every command that has an icon.
std::span<const CommandIcon> CommandIconTable();

// The theme's icon when the theme has it, else ours; a null icon for a command
// without one.
QIcon CommandIconFor(const QString& action);

}  // namespace vl
