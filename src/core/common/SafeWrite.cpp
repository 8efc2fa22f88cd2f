#include "core/common/SafeWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace vl {
namespace {

namespace fs = std::filesystem;

// Links are followed at most this deep, as the kernel does.
constexpr int kMaxLinkDepth = 40;
constexpr int kNameAttempts = 100;

// A short hidden name beside the target that no other writer picks (process,
// time and a counter mixed into six letters): a long file name leaves no room for
// more, since the folder's limit on a name applies to the temporary file too.
fs::path TemporaryName(const fs::path& target, int attempt) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static constexpr uint64_t kLetterCount = sizeof kLetters - 1;
  static std::atomic<unsigned> counter{0};
  uint64_t mixed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  mixed ^= (static_cast<uint64_t>(::getpid()) << 40) ^ (uint64_t{counter++} << 20) ^ static_cast<uint64_t>(attempt);
  // Every input bit reaches every letter.
  mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ull;
  mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBull;
  mixed ^= mixed >> 31;
  std::string name = ".vl-";
  for (int i = 0; i < 6; ++i, mixed /= kLetterCount) name += kLetters[mixed % kLetterCount];
  return target.parent_path() / name;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

fs::path WriteTarget(const fs::path& file) {
  fs::path target = file;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
    const fs::path next = fs::read_symlink(target, error);
    if (error) return target;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

bool IsReplaceableFile(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  return status.type() == fs::file_type::not_found || status.type() == fs::file_type::regular;
}

int TemporaryFileRefusal(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  std::string probe = (folder / ".vlat-probe-XXXXXX").string();
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return errno;
  ::close(fd);
  ::unlink(probe.c_str());
  return 0;
}

std::string WriteFailureText(const fs::path& file) {
  return IsReplaceableFile(file) ? kWriteFailed : kWriteOnlyRegular;
}

bool WriteFileSafely(const fs::path& file, std::string_view bytes) {
  const fs::path target = WriteTarget(file);
  struct stat old {};
  const bool replacing = ::lstat(target.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) return false;
  if (!replacing && errno != ENOENT) return false;

  fs::path temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < kNameAttempts; ++attempt) {
    temp = TemporaryName(target, attempt);
    // O_EXCL with O_NOFOLLOW: never an existing file or link under that name.
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  bool written = true;
  if (replacing) {
    // The owner first: changing it may clear set-id bits the mode then restores.
    [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    written = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  written = written && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written && ::rename(temp.c_str(), target.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

}  // namespace vl
