#pragma once
// A scratch program folder for the catalogue tests and the code page helper.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "core/catalogue/KeyPlacement.h"
#include "core/text/Cp1251.h"

namespace vl::test {

// Test texts are written in UTF-8; the files hold code page 1251.
inline std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8).value(); }

inline std::pair<int, int> Pair(GridOffset offset) { return {offset.Dx, offset.Dy}; }

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("vlat-catalogue-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string Path() const { return path_.string(); }
  std::string Write(const std::string& relative, std::string_view bytes) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace vl::test
