#include "core/common/StateFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/common/SafeWrite.h"

namespace vl {
namespace {

namespace fs = std::filesystem;

// A holder that lets go removes its lock file, so the lock taken must be on the
// file still at the name; a few tries cover that moment.
constexpr int kLockAttempts = 10;

// The lock file's descriptor, locked for this process; -1 with errno set
// (EWOULDBLOCK: another program holds it).
int TakeLock(const fs::path& lockPath) {
  for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      errno = error;
      return -1;
    }
    struct stat held {}, named {};
    if (::fstat(fd, &held) == 0 && ::lstat(lockPath.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino)
      return fd;
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

// The file's bytes when it is a regular file of exactly size bytes; nullopt when
// nothing is there. Never blocks on a FIFO or device.
std::optional<std::string> ReadState(const fs::path& target, std::size_t size, const TextTranslator& translate) {
  const std::string name = target.string();
  const auto refused = [&](const char* pattern, const std::vector<std::string>& more = {}) {
    std::vector<std::string> values{name};
    values.insert(values.end(), more.begin(), more.end());
    return StateFileRefused(TranslatedText(translate, pattern, values));
  };
  const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) return std::nullopt;
  if (fd < 0) throw refused(kStateFileUnreadable, {std::strerror(errno)});
  struct stat info {};
  const bool statted = ::fstat(fd, &info) == 0;
  const int statError = errno;
  std::string bytes;
  if (statted && S_ISREG(info.st_mode) && static_cast<std::uintmax_t>(info.st_size) == size) {
    bytes.resize(size);
    size_t got = 0;
    while (got < size) {
      const ssize_t n = ::read(fd, bytes.data() + got, size - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    const int readError = errno ? errno : EIO;
    ::close(fd);
    if (got != size) throw refused(kStateFileUnreadable, {std::strerror(readError)});
    return bytes;
  }
  ::close(fd);
  if (!statted) throw refused(kStateFileUnreadable, {std::strerror(statError)});
  if (S_ISDIR(info.st_mode)) throw refused(kStateFileFolder);
  if (!S_ISREG(info.st_mode)) throw refused(kStateFileSpecial);
  throw refused(kStateFileWrongSize, {std::to_string(info.st_size), std::to_string(size)});
}

}  // namespace

StateFile::StateFile(const fs::path& path, std::size_t memorySize, const TextTranslator& translate)
    : path_(path) {
  const fs::path target = WriteTarget(path);
  lockPath_ = target;
  lockPath_ += ".lock";
  lock_ = TakeLock(lockPath_);
  if (lock_ < 0) {
    if (errno == EWOULDBLOCK) throw StateFileBusy(TranslatedText(translate, kStateFileBusy, {path.string()}));
    throw StateFileRefused(TranslatedText(translate, kStateFileFolderRefuses, {path.string(), std::strerror(errno)}));
  }
  try {
    kept_ = ReadState(target, memorySize, translate);
    if (const int refusal = TemporaryFileRefusal(target))
      throw StateFileRefused(TranslatedText(translate, kStateFileFolderRefuses, {path.string(), std::strerror(refusal)}));
  } catch (...) {
    ::unlink(lockPath_.c_str());
    ::close(lock_);
    throw;
  }
}

StateFile::~StateFile() {
  // Removed while still locked: whoever opens the name next makes a new one.
  ::unlink(lockPath_.c_str());
  ::close(lock_);
}

bool StateFile::Save(std::string_view memory) const { return WriteFileSafely(path_, memory); }

}  // namespace vl
