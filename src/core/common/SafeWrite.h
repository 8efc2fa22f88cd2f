#pragma once
// Replacing a file without risking the old one.

#include <filesystem>
#include <string>
#include <string_view>

namespace vl {

// Writes the bytes next to the target (name + ".tmp") and renames over the target,
// so a failure keeps the previous file. A target that exists but is not a regular
// file (a folder, a FIFO, a device node) is never replaced, and a leftover
// name.tmp that is not a regular file is left alone and fails the write. False on
// any failure; the temporary file is then removed.
bool WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

// True when WriteFileSafely may replace the target: it is missing or a regular file
// (after links).
bool IsReplaceableFile(const std::filesystem::path& file);

// The message for a failed WriteFileSafely: why the target was refused, or the
// plain write error.
std::string WriteFailureText(const std::filesystem::path& file);

}  // namespace vl
