#pragma once
// The description of one catalogue section that the supported devices window
// shows: 22 lines, "?" for a missing text, image values in millimetres.

#include <string>
#include <vector>

#include "core/catalogue/IniFile.h"

namespace vl {

// The 22 lines (UTF-8) for the section; values shown as written in the file.
std::vector<std::string> DescribeDevice(const IniFile& catalogue, const std::string& section);

// The section names, sorted, as the window's list shows them.
std::vector<std::string> SortedDeviceSections(const IniFile& catalogue);

}  // namespace vl
