#include "core/common/SafeWrite.h"

#include <fstream>
#include <system_error>

namespace vl {

bool WriteFileSafely(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  bool written = false;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      written = static_cast<bool>(out);
    }
  }
  std::error_code error;
  if (written) std::filesystem::rename(temp, file, error);
  if (!written || error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return false;
  }
  return true;
}

}  // namespace vl
