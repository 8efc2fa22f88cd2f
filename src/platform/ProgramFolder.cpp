#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

namespace vl {
namespace {

std::string& CurrentDataFolder() {
  static std::string folder = ProgramDataFolder("");
  return folder;
}

}  // namespace

std::string ProgramDataFolder(const char* argv0) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) exe = fs::absolute(argv0, error);
  const fs::path folder = exe.parent_path();
  for (const fs::path& candidate : {folder, folder / "data", folder.parent_path() / "share" / "velmorando"}) {
    if (fs::exists(candidate / "DEVICES.TYP", error)) return candidate.string();
  }
#ifdef VLAT_SOURCE_DATA_DIR
  return VLAT_SOURCE_DATA_DIR;
#else
  return folder.string();
#endif
}

void SetDataFolder(const std::string& folder) { CurrentDataFolder() = folder; }

const std::string& DataFolder() { return CurrentDataFolder(); }

}  // namespace vl
