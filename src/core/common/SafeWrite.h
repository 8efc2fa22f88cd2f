#pragma once
// Replacing a file without risking the old one.

#include <filesystem>
#include <string_view>

namespace vl {

// Writes the bytes next to the target (name + ".tmp") and renames over the target,
// so a failure keeps the previous file. False on any failure; the temporary file
// is then removed.
bool WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

}  // namespace vl
