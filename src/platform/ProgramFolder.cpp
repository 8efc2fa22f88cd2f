#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace vl {
namespace {

std::string& CurrentDataFolder() {
  static std::string folder = ProgramDataFolder("");
  return folder;
}

#ifdef VLAT_BUILD_DIR
bool InBuildTree(const std::filesystem::path& exe) {
  std::error_code error;
  const std::filesystem::path build = std::filesystem::weakly_canonical(VLAT_BUILD_DIR, error);
  if (error) return false;
  const std::filesystem::path relative = exe.lexically_relative(build);
  return !relative.empty() && *relative.begin() != "..";
}
#endif

}  // namespace

std::string ProgramDataFolder(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) exe = fs::weakly_canonical(fs::absolute(argv0, error), error);
  const fs::path folder = exe.parent_path();
  const fs::path installed = folder.parent_path() / VLAT_INSTALL_DATA_DIR;
  for (const fs::path& candidate : {folder, folder / "data", installed}) {
    if (fs::exists(candidate / "DEVICES.TYP", error)) return candidate.string();
  }
#if defined(VLAT_SOURCE_DATA_DIR) && defined(VLAT_BUILD_DIR)
  if (InBuildTree(exe)) return VLAT_SOURCE_DATA_DIR;
#endif
  // An installed program never reaches into a source tree: its own folder is
  // named, so a missing file is reported where it belongs.
  return installed.string();
}

void SetDataFolder(const std::string& folder) { CurrentDataFolder() = folder; }

const std::string& DataFolder() { return CurrentDataFolder(); }

}  // namespace vl
