#pragma once
// Recorded pauses: while the user asks for them, the time between two key events
// typed into a code-sequence line is kept in the sequence as a pause element, so
// a macro replays with the rhythm it was typed in. The choice is kept beside the
// settings.

#include <cstdint>
#include <functional>
#include <string>

#include "core/common/TranslatableText.h"
#include "core/settings/SettingsBackend.h"

namespace vl {

inline constexpr const char* kRecordPausesCaption = VL_TEXT("core", "записывать паузы");

// Milliseconds of a clock that never goes back; tests drive their own.
using MillisecondClock = std::function<int64_t()>;

// The pause element (FF, 50h + n) for a gap, n its tenths of a second rounded to
// the nearest: empty below 0.05 s, one 1.5 s pause for any gap above that.
std::string PauseForGap(int64_t milliseconds);

// Off unless stored as on.
bool RecordPausesOn(const ISettingsBackend& backend);
void SetRecordPauses(ISettingsBackend& backend, bool on);

}  // namespace vl
