#include "core/common/ReadFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vl {

std::optional<RegularFile> RegularFile::Open(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat status {};
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  return RegularFile(fd, static_cast<std::uintmax_t>(status.st_size));
}

RegularFile::RegularFile(RegularFile&& other) noexcept : fd_(other.fd_), size_(other.size_) { other.fd_ = -1; }

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::optional<size_t> RegularFile::Read(std::span<char> buffer) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) return std::nullopt;
  }
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  auto file = RegularFile::Open(path);
  if (!file || file->Size() > maxBytes) return std::nullopt;
  // The size the file had when opened; a file that shrinks meanwhile fails the
  // read, and one that grows is read only as far as it was.
  std::string bytes(static_cast<size_t>(file->Size()), '\0');
  for (size_t done = 0; done < bytes.size();) {
    const auto got = file->Read(std::span<char>(bytes.data() + done, bytes.size() - done));
    if (!got || *got == 0) return std::nullopt;
    done += *got;
  }
  return bytes;
}

std::string UnreadableFileText(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    return errno == ENOENT ? "нет такого файла" : std::strerror(errno);
  }
  if (S_ISDIR(status.st_mode)) return "это папка";
  if (!S_ISREG(status.st_mode)) return "не обычный файл (FIFO, устройство или сокет)";
  if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) return "больше " + std::to_string(maxBytes) + " байт";
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return "ошибка чтения";
}

}  // namespace vl
