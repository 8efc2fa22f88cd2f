#include "cli/KeyboardLayout.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "core/device/Upload.h"

namespace vl::cli {

std::optional<PreparedOperation> ReadKeyboardLayout(DeviceLine& line, SettingsStore settings,
                                                    TVL2Document& document, IReporter& reporter, IPrompt& prompt) {
  settings.Set(Setting::IsUploadInSelection, 0);
  settings.Set(Setting::IsUploadInCard, 1);
  const OperationRequest request{OperationKind::Upload, document, TRect{1, 1, 1, 1}, false, {}};
  auto prepared = PrepareOperation(line.Access(), settings, *line.catalogue, request, reporter, prompt);
  if (!prepared) return std::nullopt;
  CancelGate gate;
  DeviceSession session{line.Access(), settings, prepared->model, prepared->identity,
                        prepared->header, reporter, prompt, gate};
  // An empty keyboard fails the upload (after saying so) before anything is stored.
  if (RunUpload(session, UploadJob{document, prepared->selection, prepared->placement}) != OperationResult::Done &&
      prepared->header.DataSize != 0)
    return std::nullopt;
  return prepared;
}

bool CanWriteFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path file(path);
  if (fs::is_directory(file, error)) return false;
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
