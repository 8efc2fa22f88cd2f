#include "cli/KeyboardLayout.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "core/common/SafeWrite.h"

namespace vl::cli {

std::optional<PreparedOperation> ReadKeyboardLayout(DeviceLine& line, const SettingsStore& settings,
                                                    TVL2Document& document, IReporter& reporter, IPrompt& prompt) {
  return vl::ReadKeyboardLayout(line.Access(), settings, *line.catalogue, document, reporter, prompt);
}

bool CanWriteFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path file(path);
  // Not a folder, and no FIFO either: opening one to write would wait for a reader.
  if (!IsReplaceableFile(file)) return false;
  if (fs::exists(file, error)) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0) return false;
    ::close(fd);
  }
  // The file is written beside itself and renamed, so its folder must take a new file.
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  std::string probe = (folder / ".vlat-probe-XXXXXX").string();
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

}  // namespace vl::cli
