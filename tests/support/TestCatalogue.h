#pragma once
// A program folder's device catalogue for tests: DEVICES.TYP naming one keyboard
// type and the decoding file that places its keys.

#include <filesystem>
#include <string>

namespace vl::test {

struct CatalogueEntry {
  std::string type = "0101";
  int width = 4;
  int height = 3;
  int memory = 2048;
  bool mirrored = false;                       // device column x lies on grid column width-1-x
  std::string decodingFile = "STRAIGHT.DEC";   // the file written
  std::string namedFile{};                     // the file the entry names; empty: decodingFile
  std::string more{};                          // further "Name=value\r\n" lines of the entry
};

void WriteCatalogue(const std::filesystem::path& folder, const CatalogueEntry& entry);

}  // namespace vl::test
