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

std::vector<MtfLoss> WriteLayoutFile(TVL2Document& document, const std::string& fileName,
                                     const SettingsStore& settings, IReporter& reporter) {
  SaveLayout(document, fileName, settings, reporter);
  return {};
}

std::vector<MtfLoss> WriteMacroText(TVL2Document& document, const std::string& fileName,
                                    const SettingsStore& settings, IReporter& reporter) {
  return ExportMtf(document, fileName, settings, reporter);
}

// A name as SameLayoutFile compares it: absolute and normalised, its Latin and
// Cyrillic letters upper-cased in place (each keeps its UTF-8 length).
std::string ComparableName(const std::filesystem::path& name) {
  std::error_code error;
  std::filesystem::path full = std::filesystem::absolute(name, error);
  if (error) full = name;
  std::string text = full.lexically_normal().string();
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - 32);
      continue;
    }
    if (i + 1 >= text.size() || (byte & 0xE0) != 0xC0 || (static_cast<unsigned char>(text[i + 1]) & 0xC0) != 0x80) {
      continue;
    }
    const auto second = static_cast<unsigned char>(text[i + 1]);
    unsigned point = ((byte & 0x1Fu) << 6) | (second & 0x3Fu);
    if ((point >= 0xE0 && point <= 0xFE && point != 0xF7) || (point >= 0x430 && point <= 0x44F)) {
      point -= 0x20;  // à-þ, а-я
    } else if (point >= 0x450 && point <= 0x45F) {
      point -= 0x50;  // ѐ-џ (ё, є, і, ї, ў and the others)
    } else if (point == 0x491) {
      point = 0x490;  // ґ
    }
    text[i] = static_cast<char>(0xC0 | (point >> 6));
    text[i + 1] = static_cast<char>(0x80 | (point & 0x3F));
    ++i;
  }
  return text;
}

// In the order of LayoutFormatId.
constexpr std::array<LayoutFormat, 3> kFormats = {{
    {LayoutFormatId::LayoutFile, ".vld", kLayoutFileOpenFilter, kLayoutFileSaveFilter, ReadLayoutFile, WriteLayoutFile},
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

bool SameLayoutFile(const std::filesystem::path& first, const std::filesystem::path& second) {
  if (first.empty() || second.empty()) return false;
  return ComparableName(first) == ComparableName(second);
}

}  // namespace vl
