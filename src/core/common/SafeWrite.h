#pragma once
// Replacing a file without risking the old one.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kWriteFailed = VL_TEXT("core", "Ошибка записи в файл.");
inline constexpr const char* kWriteOnlyRegular = VL_TEXT("core", "Запись возможна только в обычный файл.");

// Writes the bytes into a new temporary file beside the target (created
// exclusively under a fresh name, so nothing already there is opened) and renames
// it over the target, so a failure keeps the previous file. A symbolic link is
// followed: its target is replaced and the link stays. The new file keeps the
// replaced file's permission bits (and owner, where the process may set it). A
// target that exists but is not a regular file (a folder, a FIFO, a device node)
// is never replaced. False on any failure; the temporary file is then removed.
bool WriteFileSafely(const std::filesystem::path& file, std::string_view bytes);

// The file a write to path replaces: path with its symbolic links followed, as far
// as they lead (a link to a missing file gives that file's path).
std::filesystem::path WriteTarget(const std::filesystem::path& file);

// True when WriteFileSafely may replace the target: it is missing or a regular file
// (after links).
bool IsReplaceableFile(const std::filesystem::path& file);

// Whether the folder of the file (as given: pass WriteTarget to follow links) takes the new temporary file
// a save creates beside it: 0, or the errno of the refusal. Tried with a real file,
// created and removed, since permissions alone do not tell (read-only mounts, ACLs).
int TemporaryFileRefusal(const std::filesystem::path& file);

// The message for a failed WriteFileSafely: why the target was refused, or the
// plain write error.
std::string WriteFailureText(const std::filesystem::path& file);

}  // namespace vl
