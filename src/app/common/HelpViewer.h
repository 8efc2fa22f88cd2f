#pragma once
// The program's help: HTML pages in the data folder's help/LANGUAGE/, shown in one
// help window that lives until exit.

#include <QString>

class QWidget;

namespace vl {

// Sets the folder that holds the help pages (the data folder's help/ru, help/uk or
// help/en for the language the windows speak).
void SetHelpFolder(const QString& folder);
// Shows the page (a file name in the help folder, "index.html" for the contents,
// optionally followed by "#" and an anchor on it).
void ShowHelp(QWidget* parent, const QString& page);

}  // namespace vl
