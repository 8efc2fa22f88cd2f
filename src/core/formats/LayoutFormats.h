#pragma once
// The file formats a layout is read from and written to: the layout file (.vld),
// the old layout file (.mkb, read only) and Macro Text Format (.mtf). Each states
// its dialog filters, how it reads, how it writes and how it fails, so that the
// file dialogs and the command line take their choices from one table.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/document/VL2Document.h"
#include "core/mtf/MtfLoss.h"
#include "core/settings/SettingsStore.h"

namespace vl {

enum class LayoutFormatId { LayoutFile, OldLayoutFile, MacroText };

struct LayoutFormat {
  using ReadFunction = void (*)(TVL2Document& document, const std::string& fileName,
                                SettingsStore& settings, IPrompt& prompt, IReporter& reporter);
  using WriteFunction = std::vector<MtfLoss> (*)(TVL2Document& document, const std::string& fileName,
                                                 const SettingsStore& settings, IReporter& reporter);

  LayoutFormatId Id;
  std::string_view Extension;   // lower case, with its dot: ".vld"
  std::string_view OpenFilter;  // the entry of an open dialog
  std::string_view SaveFilter;  // the entry of a save dialog; empty when read only
  // Reads into a fresh document; Macro Text Format sets the layout properties in the
  // settings as well. Throws FileReadError or WrongPasswordError carrying the message
  // to show, or OperationAbandoned when the user declined or the reader has shown
  // its own report (a Macro Text Format error with its position). After a failure a
  // layout file's document is to be discarded; Macro Text Format keeps what it read.
  ReadFunction Read;
  // Writes the document with the layout properties from the settings; nullptr when
  // read only. Returns what the format could not carry (only Macro Text Format
  // leaves anything out), for the caller to tell once the file is written. Throws
  // FileWriteError carrying the message to show, and then leaves the file on disk
  // as it was.
  WriteFunction Write;

  // The name ends in the extension, letter case ignored.
  bool Matches(const std::string& fileName) const;
  // The extension without its dot, as a dialog appends it.
  std::string_view DefaultSuffix() const { return Extension.substr(1); }
};

const LayoutFormat& GetLayoutFormat(LayoutFormatId id);
// The format whose extension the name ends in, or nullptr.
const LayoutFormat* LayoutFormatOf(const std::string& fileName);

// The dialogs' entries. The save filter of the layout file has two blanks before its
// parenthesis, as the program always wrote it.
inline constexpr std::string_view kLayoutFileOpenFilter = VL_TEXT("core", "Раскладка Velmorando 2 (*.vld)");
inline constexpr std::string_view kLayoutFileSaveFilter = VL_TEXT("core", "Раскладка Velmorando 2  (*.vld)");
inline constexpr std::string_view kOldLayoutFileFilter = VL_TEXT("core", "Раскладка Velmorando 1.5 (*.mkb)");
// The last entry of the open dialogs.
inline constexpr std::string_view kAllFilesFilter = VL_TEXT("core", "Все файлы (*.*)");

// The name ends in the extension (".mtf"), letter case ignored.
bool HasExtension(const std::string& fileName, std::string_view extension);

// The two names (UTF-8) lead to the same layout file: their absolute, normalised
// paths are equal with letter case ignored (Latin and Cyrillic letters), as the
// program always compared them. On a case-sensitive file system that is wrong
// only for two names that differ in letter case alone, which then count as one
// file. An empty name is no file.
bool SameLayoutFile(const std::filesystem::path& first, const std::filesystem::path& second);

}  // namespace vl
