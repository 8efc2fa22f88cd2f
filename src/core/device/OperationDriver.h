#pragma once
// The preparation of a download or upload that does not touch the port: the
// fragment that goes to the device, the questions asked before the transfer and
// the interval code that the download and the interval command send.

#include <cstdint>
#include <string>

#include "core/document/Field.h"
#include "core/settings/SettingsStore.h"

namespace vl {

inline constexpr const char* kSelectionTooLarge =
    "Размер выделенной области превосходит размер клавиатуры. Продолжить?";
inline constexpr const char* kCheckRemarks =
    "При проверке загружаемого фрагмента обнаружены замечания. Продолжить загрузку?";
inline constexpr const char* kCancelDownloadQuestion =
    "После отмены загрузки память устройства будет очищена. Продолжить загрузку?";
inline constexpr const char* kUploadUndoName = "чтение данных из устройства";

// More columns than the device is wide or more rows than it is high.
bool SelectionExceedsDevice(const TRect& selection, int width, int height);

// The width x height block at the selection's top-left cell, cut at column and row 255.
TRect DeviceBlock(const TRect& selection, int width, int height);

// The layout properties question, from "layer count", "correct lock", "ibd",
// "layout" and "buffered" (UTF-8).
std::string DownloadPropertiesText(const SettingsStore& settings);

// The device's interval command code for list item 0..15: item + 1, item 15 is 0.
uint8_t IntervalCode(int item);

// The message for a decoding file that could not be loaded from the program folder.
std::string DecodingFileError(const std::string& programFolder);

}  // namespace vl
