#pragma once
// A memory image kept in a file between runs, as a simulated keyboard keeps its
// programming. One program at a time holds it, as one program at a time holds a
// keyboard port: two programs playing one keyboard would each write back their own
// copy, and the last writer would silently undo the other's work. It is checked
// when taken, so a file that cannot be kept is told before the session's work,
// not lost at its end.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/FileErrors.h"
#include "core/common/TextTranslator.h"
#include "core/common/TranslatableText.h"

namespace vl {

inline constexpr const char* kStateFileBusy =
    VL_TEXT("core", "Имитатор клавиатуры занят другой программой: его память (\"%1\") уже открыта.");
inline constexpr const char* kStateFileFolder = VL_TEXT("core", "\"%1\" — папка, а не файл памяти.");
inline constexpr const char* kStateFileSpecial =
    VL_TEXT("core", "\"%1\" — не обычный файл (FIFO, устройство или сокет), а не файл памяти.");
inline constexpr const char* kStateFileWrongSize =
    VL_TEXT("core", "\"%1\" содержит %2 байт, а память клавиатуры — %3 байт: это не файл памяти этой клавиатуры.");
inline constexpr const char* kStateFileUnreadable = VL_TEXT("core", "\"%1\" не читается: %2");
inline constexpr const char* kStateFileFolderRefuses = VL_TEXT("core", "Память не может быть сохранена в папке файла \"%1\": %2");

// Another program holds the state file.
class StateFileBusy : public FileError {
 public:
  using FileError::FileError;
};

// The file cannot be this keyboard's memory, or its folder takes no new version.
class StateFileRefused : public FileError {
 public:
  using FileError::FileError;
};

class StateFile {
 public:
  // Takes the file at path (links followed, as the save follows them) for a
  // memory of exactly memorySize bytes and reads it; a missing file is a memory
  // not kept yet. Opening never blocks: a FIFO is refused, not waited on. Throws
  // StateFileBusy while another program holds it, StateFileRefused for a folder,
  // FIFO, device, a file of another size (someone's file given by mistake is
  // neither taken nor written over) or a folder that takes no new file. The texts
  // are translated by translate.
  StateFile(const std::filesystem::path& path, std::size_t memorySize, const TextTranslator& translate = {});
  ~StateFile();
  StateFile(const StateFile&) = delete;
  StateFile& operator=(const StateFile&) = delete;

  // The memory the file held when taken; nullopt when there was no file yet.
  const std::optional<std::string>& Kept() const { return kept_; }
  // Writes the memory through a temporary file, so a failure keeps the previous
  // one; false when it could not be written.
  bool Save(std::string_view memory) const;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::filesystem::path lockPath_;
  int lock_ = -1;
  std::optional<std::string> kept_;
};

}  // namespace vl
