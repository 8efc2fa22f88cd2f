#pragma once
// Where the files that lie beside the program are: DEVICES.TYP, the decoding
// files, template.ini, TEMPLATE/, spaste.ini, help pages.

#include <string>

namespace vl {

// The folder next to the installed executable when it holds DEVICES.TYP, its
// "data" sibling of an installation tree, else the source tree's data/ (running
// from the build tree).
std::string ProgramDataFolder(const char* argv0);

// The data folder the running program uses: ProgramDataFolder unless start-up set
// another one (--data DIR). Windows that read the catalogue, the templates or the
// special-paste definitions ask here.
void SetDataFolder(const std::string& folder);
const std::string& DataFolder();

}  // namespace vl
