#pragma once
// The upload worker: reads the image out of the device in 8-byte blocks, checks
// its CRC-8 and collects its keys for the layout. An upload never clears the
// device; every end resets the keyboard.

#include <cstdint>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"
#include "core/document/DeviceRead.h"

namespace vl {

inline constexpr const char* kStatusDataSize = VL_TEXT("core", "определение объема данных");
inline constexpr const char* kStatusReadData = VL_TEXT("core", "чтение данных из памяти устройства");
inline constexpr const char* kStatusProcess = VL_TEXT("core", "обработка раскладки");
inline constexpr const char* kReadRetryPattern = VL_TEXT("core", "%1-й повтор чтения данных");
inline constexpr const char* kDeviceEmpty = VL_TEXT("core", "Память устройства пуста.");
inline constexpr const char* kDataSizeError = VL_TEXT("core", "Ошибка определения размера данных в памяти устройства.");
inline constexpr const char* kReadError = VL_TEXT("core", "Ошибка чтения раскладки.");
inline constexpr const char* kCrcError =
    VL_TEXT("core", "Ошибочная контрольная сумма. Закройте все программы и повторите попытку чтения.");
inline constexpr const char* kProcessError = VL_TEXT("core", "Ошибка обработки раскладки.");

inline constexpr int kReadAttempts = 10;

// Reads device memory from address 0 until at least size bytes are in image (the
// last block may bring up to 7 more). Before each block the gate is passed, the
// status becomes statusText and the position is shown; a block is read up to
// kReadAttempts times, each failure shown as "N-й повтор чтения данных".
MemoryTransfer ReadDeviceMemory(Link& link, DeviceSession& session, uint16_t size, const char* statusText,
                            std::vector<uint8_t>& image);

struct UploadJob {
  DeviceRead& read;        // takes the keys; the caller puts them into a layout
  TRect selection;         // where the keys go
  KeyPlacement placement;  // the device's decoding table
};

// Runs the whole upload; read is filled only once the image has been read and its
// CRC holds (an image that runs short still leaves what was read before its end).
OperationResult RunUpload(DeviceSession& session, const UploadJob& job);

}  // namespace vl
