#pragma once
// The download worker: builds the image of the selected fragment, writes it block
// by block from device address 0, then the header block and the scan-code
// interval, and resets the keyboard. Once writing has begun, any failure or
// cancel ends with the device memory cleared, so the keyboard never runs a
// half-written layout.

#include <string>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr const char* kStatusBuildImage = VL_TEXT("core", "создание протокола данных");
inline constexpr const char* kStatusWriteData = VL_TEXT("core", "загрузка данных в память устройства");
inline constexpr const char* kStatusWriteHeader = VL_TEXT("core", "загрузка дополнительной информации");
inline constexpr const char* kStatusInterval = VL_TEXT("core", "установка задержки между SCAN-кодами");
inline constexpr const char* kStatusVerify = VL_TEXT("core", "проверка данных в памяти устройства");
inline constexpr const char* kWriteRetryPattern = VL_TEXT("core", "%1-й повтор записи данных");
inline constexpr const char* kImageTooLarge = VL_TEXT("core", "Объем раскладки превосходит память устройства.");
inline constexpr const char* kWriteErrorNormal =
    VL_TEXT("core", "Ошибка записи данных в память устройства. Используйте настройки программирования устройств "
    "(пункт меню Сервис-Параметры-Устройство).");
inline constexpr const char* kWriteErrorProtected = VL_TEXT("core", "Ошибка записи данных в память устройства.");
// A write that failed because the port itself went away: no setting helps then.
inline constexpr const char* kPortLost =
    VL_TEXT("core", "Ошибка записи данных в память устройства: порт клавиатуры закрыт (устройство отключено).");
inline constexpr const char* kHeaderError = VL_TEXT("core", "Ошибка подготовки устройства.");
inline constexpr const char* kVerifyReadError = VL_TEXT("core", "Ошибка проверки данных: память устройства не читается.");
inline constexpr const char* kVerifyStopped =
    VL_TEXT("core", "Проверка данных прервана: раскладка загружена в устройство, но не проверена.");

inline constexpr const char* kVerifyMismatchPattern =
    VL_TEXT("core", "Ошибка проверки данных: память устройства отличается от раскладки с адреса %1.");

inline constexpr int kWriteSends = 11;  // the first send and ten repeats

// The message for a read-back that differs from the image at address.
std::string VerifyMismatchText(int address, const TextTranslator& translate = {});

// Writes the image from device address 0 in the link's blocks: 16 bytes in a
// normal-mode packet (zero-filled past the image), up to 8 in a protected-mode
// frame. Before each block but the first (whose gate the caller passes) the gate
// is passed; before each the position is shown and the status set; each block is
// sent up to kWriteSends times until it is acknowledged.
MemoryTransfer WriteDeviceMemory(Link& link, DeviceSession& session, const std::vector<uint8_t>& image);

struct DownloadJob {
  const TVL2Document& document;
  TRect selection;          // the fragment's top-left cell and its limits
  KeyPlacement placement;   // the device's decoding table
  bool verify = false;      // read the image back after writing and compare
};

// Runs the whole download with the session's settings (mode, layer count, ibd,
// ...). Status texts and the position (once per block) go to the reporter; the
// gate is passed once per block, and a stop there clears the device silently. A
// stop already in force at the start only resets the keyboard (nothing written
// yet); one that comes after the last block changes nothing. Failures are told
// through the prompt.
OperationResult RunDownload(DeviceSession& session, const DownloadJob& job);

}  // namespace vl
