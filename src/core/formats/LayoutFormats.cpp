#include "core/formats/LayoutFormats.h"

#include <array>
#include <cctype>

#include "core/document/LayoutFile.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"

namespace vl {
namespace {

// The layout file reader tells the two generations apart by their bytes, so both
// read the same way; only the old one cannot be written.
void ReadLayoutFile(TVL2Document& document, const std::string& fileName, SettingsStore&,
                    IPrompt& prompt, IReporter& reporter) {
  LoadLayout(document, fileName, prompt, reporter);
}

void ReadMacroText(TVL2Document& document, const std::string& fileName, SettingsStore& settings,
                   IPrompt& prompt, IReporter& reporter) {
  ReadMtf(document, fileName, settings, prompt, reporter);
}

void WriteMacroText(TVL2Document& document, const std::string& fileName,
                    const SettingsStore& settings, IReporter& reporter) {
  ExportMtf(document, fileName, settings, reporter);
}

// In the order of LayoutFormatId.
constexpr std::array<LayoutFormat, 3> kFormats = {{
    {LayoutFormatId::LayoutFile, ".vld", kLayoutFileOpenFilter, kLayoutFileSaveFilter, ReadLayoutFile, SaveLayout},
    {LayoutFormatId::OldLayoutFile, ".mkb", kOldLayoutFileFilter, "", ReadLayoutFile, nullptr},
    {LayoutFormatId::MacroText, ".mtf", "Macro Text Format (*.mtf)", "Macro Text Format (*.mtf)", ReadMacroText,
     WriteMacroText},
}};

}  // namespace

bool LayoutFormat::Matches(const std::string& fileName) const {
  return HasExtension(fileName, Extension);
}

const LayoutFormat& GetLayoutFormat(LayoutFormatId id) { return kFormats[static_cast<size_t>(id)]; }

const LayoutFormat* LayoutFormatOf(const std::string& fileName) {
  for (const LayoutFormat& format : kFormats) {
    if (format.Matches(fileName)) return &format;
  }
  return nullptr;
}

bool HasExtension(const std::string& fileName, std::string_view extension) {
  if (fileName.size() < extension.size()) return false;
  const std::string_view tail = std::string_view(fileName).substr(fileName.size() - extension.size());
  for (size_t i = 0; i < tail.size(); ++i) {
    const auto lower = std::tolower(static_cast<unsigned char>(tail[i]));
    if (lower != std::tolower(static_cast<unsigned char>(extension[i]))) return false;
  }
  return true;
}

}  // namespace vl
