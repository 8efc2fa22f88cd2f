#pragma once
// Files named in the catalogue and template lists, which were written for a
// file system that ignores letter case and separates folders with '\'.

#include <filesystem>
#include <string>
#include <string_view>

namespace vl {

// folder + relative (code page 1251, '\' or '/' between folders). Each part that
// does not exist as written is matched against the folder's entries without
// regard to case; a part with no match is kept as written.
std::filesystem::path ProgramFilePath(const std::string& folder, std::string_view relative);

// False when the name would leave the program folder: it starts with a separator
// or a drive ("C:"), or has a ".." part. Names from the catalogue and the template
// list are checked before they are opened.
bool StaysInProgramFolder(std::string_view relative);

}  // namespace vl
