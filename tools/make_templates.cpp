// vlat-make-templates SRC_DIR OUT_DIR: turns every SRC_DIR/*.mtf into
// OUT_DIR/<NAME>.VLD, the template layouts that lie beside the program. The layout
// files are binary; their Macro Text Format sources are what is edited and
// reviewed, and this tool makes the shipped files again from them.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/common/FileErrors.h"
#include "core/common/Reporter.h"
#include "core/document/LayoutFile.h"
#include "core/mtf/MtfReader.h"
#include "StderrPrompt.h"

namespace {

namespace fs = std::filesystem;

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vlat-make-templates SRC_DIR OUT_DIR\n";
    return 64;
  }
  std::vector<fs::path> sources;
  std::error_code error;
  for (fs::directory_iterator it(argv[1], error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file() && it->path().extension() == ".mtf") sources.push_back(it->path());
  }
  if (error) {
    std::cerr << argv[1] << ": " << error.message() << '\n';
    return 1;
  }
  std::sort(sources.begin(), sources.end());
  vl::tools::StderrPrompt prompt;
  vl::NullReporter reporter;
  int failures = 0;
  for (const auto& source : sources) {
    // Each template carries its own layout properties; none leaks into the next.
    vl::SettingsStore settings;
    vl::TVL2Document document;
    const fs::path target = fs::path(argv[2]) / (Upper(source.stem().string()) + ".VLD");
    try {
      vl::ReadMtf(document, source.string(), settings, prompt, reporter);
      vl::SaveLayout(document, target.string(), settings, reporter);
      std::cout << source.filename().string() << " -> " << target.string() << '\n';
    } catch (const vl::FileError& error) {
      std::cerr << source.string() << ": " << error.what() << '\n';
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
