#include "core/catalogue/ProgramFile.h"

#include <algorithm>
#include <system_error>
#include <vector>

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

// The names between the separators (backslash or '/'), empty ones left out.
std::vector<std::string_view> Parts(std::string_view relative) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = relative.size();
    if (end > start) parts.push_back(relative.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

bool StaysInProgramFolder(std::string_view relative) {
  if (relative.empty()) return true;
  if (relative.front() == '/' || relative.front() == '\\') return false;
  if (relative.size() >= 2 && relative[1] == ':') return false;
  const auto parts = Parts(relative);
  return std::find(parts.begin(), parts.end(), "..") == parts.end();
}

fs::path ProgramFilePath(const std::string& folder, std::string_view relative) {
  fs::path path(folder);
  const std::string utf8 = Cp1251ToUtf8(relative);
  for (const std::string_view view : Parts(utf8)) {
    const std::string part(view);
    std::error_code error;
    path = fs::exists(path / part, error) ? path / part : MatchIgnoringCase(path, part);
  }
  return path;
}

}  // namespace vl
