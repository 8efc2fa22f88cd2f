#include "core/catalogue/ProgramFile.h"

#include <system_error>

#include "core/text/Cp1251.h"

namespace vl {
namespace {

namespace fs = std::filesystem;

// The entry of folder whose name equals part without regard to case.
fs::path MatchIgnoringCase(const fs::path& folder, const std::string& part) {
  const auto wanted = Utf8ToCp1251(part);
  std::error_code error;
  if (wanted) {
    const std::string upper = Cp1251ToUpper(*wanted);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      const auto name = Utf8ToCp1251(it->path().filename().string());
      if (name && Cp1251ToUpper(*name) == upper) return it->path();
    }
  }
  return folder / part;
}

}  // namespace

fs::path ProgramFilePath(const std::string& folder, std::string_view relative) {
  fs::path path(folder);
  const std::string utf8 = Cp1251ToUtf8(relative);
  size_t start = 0;
  while (start <= utf8.size()) {
    size_t end = utf8.find_first_of("\\/", start);
    if (end == std::string::npos) end = utf8.size();
    const std::string part = utf8.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    std::error_code error;
    path = fs::exists(path / part, error) ? path / part : MatchIgnoringCase(path, part);
  }
  return path;
}

}  // namespace vl
