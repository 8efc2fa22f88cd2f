#include "core/common/StateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/common/SafeWrite.h"

namespace vl {
namespace {

namespace fs = std::filesystem;

std::string KindName(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "a special file";
}

}  // namespace

StateFileCheck CheckStateFile(const fs::path& path, std::uintmax_t maxBytes) {
  StateFileCheck check;
  const fs::path target = WriteTarget(path);
  const int fd = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno != ENOENT) {
    check.problem = StateFileCheck::Problem::Unreadable;
    check.error = errno;
    return check;
  }
  if (fd >= 0) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      check.problem = StateFileCheck::Problem::NotAFile;
      check.error = static_cast<int>(info.st_mode & S_IFMT);
    } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
      check.problem = StateFileCheck::Problem::TooLarge;
    } else {
      std::string bytes(static_cast<size_t>(info.st_size), '\0');
      size_t got = 0;
      while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
      }
      if (got == bytes.size()) {
        check.bytes = std::move(bytes);
      } else {
        check.problem = StateFileCheck::Problem::Unreadable;
        check.error = errno ? errno : EIO;
      }
    }
    ::close(fd);
    if (check.problem != StateFileCheck::Problem::None) return check;
  }
  if (const int refusal = TemporaryFileRefusal(target)) {
    check.problem = StateFileCheck::Problem::NotWritable;
    check.error = refusal;
  }
  return check;
}

std::string StateFileProblemText(const fs::path& path, const StateFileCheck& check) {
  const std::string name = "\"" + path.string() + "\"";
  switch (check.problem) {
    case StateFileCheck::Problem::None: break;
    case StateFileCheck::Problem::NotAFile:
      return name + " is " + KindName(static_cast<mode_t>(check.error)) + ", not a regular file";
    case StateFileCheck::Problem::TooLarge: return name + " is larger than the keyboard's memory";
    case StateFileCheck::Problem::Unreadable: return name + " cannot be read: " + std::strerror(check.error);
    case StateFileCheck::Problem::NotWritable:
      return name + " cannot be saved in its folder: " + std::strerror(check.error);
  }
  return name;
}

}  // namespace vl
