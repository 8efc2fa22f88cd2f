#include "core/common/SafeWrite.h"

#include <fstream>
#include <optional>
#include <system_error>

namespace vl {
namespace {

namespace fs = std::filesystem;

// The temporary name, unless something other than a regular file holds it: a
// leftover folder or FIFO is not ours to delete, opening a FIFO would block and a
// link would write elsewhere.
std::optional<fs::path> TemporaryName(const fs::path& file) {
  fs::path temp = file;
  temp += ".tmp";
  std::error_code error;
  const fs::file_type type = fs::symlink_status(temp, error).type();
  if (type != fs::file_type::not_found && type != fs::file_type::regular) return std::nullopt;
  return temp;
}

}  // namespace

bool IsReplaceableFile(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  return status.type() == fs::file_type::not_found || status.type() == fs::file_type::regular;
}

std::string WriteFailureText(const fs::path& file) {
  return IsReplaceableFile(file) ? "Ошибка записи в файл." : "Запись возможна только в обычный файл.";
}

bool WriteFileSafely(const fs::path& file, std::string_view bytes) {
  if (!IsReplaceableFile(file)) return false;
  const auto temp = TemporaryName(file);
  if (!temp) return false;
  bool written = false;
  {
    std::ofstream out(*temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      written = static_cast<bool>(out);
    }
  }
  std::error_code error;
  if (written) fs::rename(*temp, file, error);
  if (!written || error) {
    std::error_code ignored;
    fs::remove(*temp, ignored);
    return false;
  }
  return true;
}

}  // namespace vl
