#pragma once
// What the status bar says when a device command has done its work; failures
// are told by the commands' own messages.

namespace vl {

inline constexpr const char* kDownloadDoneStatus = "Раскладка загружена в устройство.";
inline constexpr const char* kClearDoneStatus = "Память устройства очищена.";
inline constexpr const char* kIntervalDoneStatus = "Интервал между SCAN-кодами установлен.";

}  // namespace vl
