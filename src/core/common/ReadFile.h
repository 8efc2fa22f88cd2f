#pragma once
// Reading files that come from outside. Only regular files are read, and opening
// never blocks: a FIFO or device put at the name is refused, not waited on.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vl {

// An open regular file, read from its start.
class RegularFile {
 public:
  // nullopt when the name is missing, unreadable or not a regular file.
  static std::optional<RegularFile> Open(const std::filesystem::path& path);
  RegularFile(RegularFile&& other) noexcept;
  RegularFile& operator=(RegularFile&& other) = delete;
  ~RegularFile();

  // The size when opened.
  std::uintmax_t Size() const { return size_; }
  // The next bytes into buffer: how many (0 at the end), nullopt when reading failed.
  std::optional<size_t> Read(std::span<char> buffer);

 private:
  RegularFile(int fd, std::uintmax_t size) : fd_(fd), size_(size) {}
  int fd_;
  std::uintmax_t size_;
};

// The bytes of a regular, readable file of at most maxBytes; nullopt for anything
// else (missing, a folder, a device, a larger file, a read failure). The size is
// checked before anything is read, so a huge file costs no memory.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// Why ReadRegularFile gives nothing for the file, in a few Russian words: "нет
// такого файла", "это папка", "не обычный файл (FIFO, устройство или сокет)",
// "больше N байт", or the system's reason.
std::string UnreadableFileText(const std::filesystem::path& path, std::uintmax_t maxBytes);

}  // namespace vl
