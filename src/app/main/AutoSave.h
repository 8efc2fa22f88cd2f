#pragma once
// The saves the program makes on its own: before a download ("is save before
// download") and the periodic autosave. A layout whose content an upload
// replaced is written over its file only when the user agrees, since the file
// may hold what the device does not (notes).

#include <functional>

#include "core/common/Prompt.h"
#include "core/document/VL2Document.h"

namespace vl {

enum class AutoSaveResult { Saved, Declined, Failed };

// save writes the layout as the save command does (false: cancelled or failed,
// the reason already told).
AutoSaveResult AutoSave(const TVL2Document& document, IPrompt& prompt, const std::function<bool()>& save);

// The save before a download; true when the download may go on: saved, the file
// kept as it is by the user's choice, or, told that the save did not happen,
// the user chose to download without it.
bool SaveBeforeDownload(const TVL2Document& document, IPrompt& prompt, const std::function<bool()>& save);

}  // namespace vl
