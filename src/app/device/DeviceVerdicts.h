#pragma once
// What the status bar says when a device command has done its work; failures
// are told by the commands' own messages. Shown through CoreText.

#include <QtGlobal>

namespace vl {

inline constexpr const char* kDownloadDoneStatus = QT_TRANSLATE_NOOP("core", "Раскладка загружена в устройство.");
inline constexpr const char* kClearDoneStatus = QT_TRANSLATE_NOOP("core", "Память устройства очищена.");
inline constexpr const char* kIntervalDoneStatus = QT_TRANSLATE_NOOP("core", "Интервал между SCAN-кодами установлен.");

}  // namespace vl
