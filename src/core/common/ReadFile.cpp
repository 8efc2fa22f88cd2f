#include "core/common/ReadFile.h"

#include <fstream>
#include <system_error>

namespace vl {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  // One read of the size the file has; a file that shrinks meanwhile fails the read,
  // and one that grows is read only as far as it was when measured.
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uintmax_t>(size) > maxBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

}  // namespace vl
