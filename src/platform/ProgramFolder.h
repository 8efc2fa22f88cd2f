#pragma once
// Where the files that lie beside the program are: DEVICES.TYP, the decoding
// files, template.ini, TEMPLATE/, spaste.ini, help pages.

#include <string>

namespace vl {

// The first of these that holds DEVICES.TYP: the executable's own folder, its
// "data" subfolder, the installation's share/velmorando beside bin/. Else the
// source tree's data/ for a program in the build tree, and share/velmorando for
// an installed one.
std::string ProgramDataFolder(const char* argv0);

// The data folder the running program uses: ProgramDataFolder unless start-up set
// another one (--data DIR). Windows that read the catalogue, the templates or the
// special-paste definitions ask here.
void SetDataFolder(const std::string& folder);
const std::string& DataFolder();

}  // namespace vl
