#pragma once
// Reading a Macro Text Format file into a layout (the import).

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/document/Document.h"
#include "core/mtf/Convert.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// Reads the file into the document and the layout-property settings (which change
// at once, as the text sets them). The text is passed line by line with CR LF after
// every line, as the program always has. On a reader error the report is shown
// through the prompt (caption "Ошибка") and OperationAbandoned is thrown; what was
// read before the error stays in the document and the settings. A main file that
// cannot be read throws FileReadError. Status text and progress go to the reporter.
void ReadMtf(TDocument& document, const std::string& fileName, SettingsStore& settings,
             IPrompt& prompt, IReporter& reporter);

// Feeds a whole main text to a converter the way ReadMtf does and finishes it.
// onProgress, when given, gets the percentage read (0..100) whenever it changes.
bool ConvertMtfText(TConvert& convert, std::string_view text,
                    const std::function<void(int)>& onProgress = {});

// The loader of included files from disk: the name as written, relative names
// against the current folder, then its upper-cased form (the language upper-cases
// file names, which only a case-insensitive file system ignores). Only regular
// files are opened; they are read in chunks as the reader needs them.
std::unique_ptr<IIncludeSource> LoadIncludedFile(const std::string& name);

}  // namespace vl
