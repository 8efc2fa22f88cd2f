#include "TestCatalogue.h"

#include <fstream>

namespace vl::test {

void WriteCatalogue(const std::filesystem::path& folder, const CatalogueEntry& entry) {
  const std::string named = entry.namedFile.empty() ? entry.decodingFile : entry.namedFile;
  std::ofstream(folder / "DEVICES.TYP", std::ios::binary)
      << "[" << entry.type << "]\r\nKeys=" << entry.width * entry.height << "\r\nWidth=" << entry.width
      << "\r\nHeight=" << entry.height << "\r\nMemory=" << entry.memory << "\r\nFile=" << named << "\r\n"
      << entry.more;
  std::string lines;
  for (int x = 0; x < entry.width; ++x) {
    for (int y = 0; y < entry.height; ++y) {
      lines += std::to_string(entry.mirrored ? entry.width - 1 - x : x) + ":" + std::to_string(y) +
               (y == entry.height - 1 ? "\r\n" : " ");
    }
  }
  std::ofstream(folder / entry.decodingFile, std::ios::binary) << lines;
}

}  // namespace vl::test
