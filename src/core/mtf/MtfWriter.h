#pragma once
// Writing a layout as Macro Text Format (the export). The text carries key
// functions, sequences, autorepeat and click per layer, the card reader and the
// layout properties; notes, groups and bookmarks have no place in it.

#include <functional>
#include <string>
#include <string_view>

#include "core/common/Reporter.h"
#include "core/document/Document.h"
#include "core/settings/SettingsStore.h"

namespace vl {

// The text of one sequence: "  ", then " \name" per key press (release codes are
// dropped, the E0 prefix does not change the name), " \wait(n)" and a line break
// per pause. A Shift tap is one name; a Shift held around other keys is written as
// " \_name" ... " \^name" so that it reads back as held.
std::string MtfSequenceText(std::string_view sequence);

// The whole text in code page 1251 with CR LF line ends, the layout properties
// from the settings. onProgress, when given, gets the percentage of cells visited
// whenever it changes.
std::string MtfText(const TDocument& document, const SettingsStore& settings,
                    const std::function<void(int)>& onProgress = {});

// Writes the text into the file, replacing it. Throws FileWriteError, as the layout
// save does, and then leaves the previous file as it was. Status text and progress
// go to the reporter.
void ExportMtf(const TDocument& document, const std::string& fileName,
               const SettingsStore& settings, IReporter& reporter);

}  // namespace vl
