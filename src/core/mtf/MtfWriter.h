#pragma once
// Writing a layout as Macro Text Format (the export). The text carries key
// functions, sequences, autorepeat and click per layer, the card reader and the
// layout properties so that they read back as they were; what it has no place for
// (notes, groups, bookmarks, codes without a name ...) is reported, not written.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/Reporter.h"
#include "core/document/VL2Document.h"
#include "core/mtf/MtfLoss.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// The text of one sequence: "  ", then per key " \name" for a press directly
// followed by its own release, " \_name" for a press alone, " \^name" for a
// release alone, each code by the name of exactly that code (with or without its
// E0), and " \wait(n)" and a line break per pause. What has no name is left out
// and, when losses is given, added to it (the place left as key (0,0), whole).
std::string MtfSequenceText(std::string_view sequence, std::vector<MtfLoss>* losses = nullptr);

// The whole text in code page 1251 with CR LF line ends, the layout properties
// from the settings. onProgress, when given, gets the percentage of cells visited
// whenever it changes. losses, when given, gets what the text cannot carry of the
// keys and the card reader, in the order written.
std::string MtfText(const TDocument& document, const SettingsStore& settings,
                    const std::function<void(int)>& onProgress = {}, std::vector<MtfLoss>* losses = nullptr);

// Writes the text into the file, replacing it, and returns what it could not carry:
// that of MtfText, and the notes, bookmarks and groups, by key (the card reader
// first). Throws FileWriteError, as the layout save does, and then leaves the
// previous file as it was. Status text and progress go to the reporter.
std::vector<MtfLoss> ExportMtf(const TVL2Document& document, const std::string& fileName,
                               const SettingsStore& settings, IReporter& reporter);

}  // namespace vl
