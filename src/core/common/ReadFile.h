#pragma once
// Reading a whole file that comes from outside.

#include <filesystem>
#include <optional>
#include <string>

namespace vl {

// The bytes of a regular, readable file; nullopt for anything else (missing,
// a folder, a device, a read failure).
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path);

}  // namespace vl
