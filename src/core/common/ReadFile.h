#pragma once
// Reading a whole file that comes from outside.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vl {

// The bytes of a regular, readable file of at most maxBytes; nullopt for anything
// else (missing, a folder, a device, a larger file, a read failure). The size is
// checked before anything is read, so a huge file costs no memory.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace vl
