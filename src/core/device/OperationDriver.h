#pragma once
// The operation driver: prepares a download or upload (identifies the device,
// loads its decoding table, settles the fragment, asks the questions, reads the
// header block) and hands it to the worker. Also the pieces of that preparation
// that do not touch the port.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/common/TranslatableText.h"
#include "core/device/DeviceSession.h"
#include "core/document/DeviceRead.h"
#include "core/document/Field.h"
#include "core/document/VL2Document.h"
#include "core/formats/CheckLayout.h"
#include "core/settings/SettingsStore.h"

namespace vl {

inline constexpr const char* kSelectionTooLarge =
    VL_TEXT("core", "Размер выделенной области превосходит размер клавиатуры. Продолжить?");
inline constexpr const char* kCheckRemarks =
    VL_TEXT("core", "При проверке загружаемого фрагмента обнаружены замечания. Продолжить загрузку?");
inline constexpr const char* kCancelDownloadQuestion =
    VL_TEXT("core", "После отмены загрузки память устройства будет очищена. Продолжить загрузку?");
inline constexpr const char* kStatusDetect = VL_TEXT("core", "определение подключенного устройства");
inline constexpr const char* kStatusController = VL_TEXT("core", "определение версии контроллера устройства");
inline constexpr const char* kStatusKeyboardReset = VL_TEXT("core", "сброс клавиатуры");
inline constexpr const char* kCaptionDownload = VL_TEXT("core", "Загрузка");
inline constexpr const char* kCaptionUpload = VL_TEXT("core", "Чтение");
inline constexpr const char* kKeysOutsidePattern =
    VL_TEXT("core", "Клавиш с данными вне поля устройства (%1x%2): %3. Они не будут записаны в устройство. Продолжить загрузку?");
// %1 the layer count, %2 and %5 kInfoYes or kInfoNo, %3 the interval, %4 the language's name.
inline constexpr const char* kDownloadPropertiesPattern =
    VL_TEXT("core", "Свойства загружаемой раскладки:\n\n"
    "  Количество уровней: %1\n"
    "  Автокоррекция Num Lock и Caps Lock: %2\n"
    "  Интервал между посылаемыми SCAN-кодами : %3 мс\n"
    "  Язык раскладки : %4\n"
    "  Буферизация нажатых клавиш : %5\n\n"
    "Заменить раскладку в подключенном устройстве?");
// The layout languages as the settings dialog lists them.
inline constexpr const char* kLayoutLanguageNames[3] = {VL_TEXT("core", "английский"), VL_TEXT("core", "русский"), VL_TEXT("core", "украинский")};

// More columns than the device is wide or more rows than it is high.
bool SelectionExceedsDevice(const TRect& selection, int width, int height);

// The width x height block at the selection's top-left cell, cut at column and row 255.
TRect DeviceBlock(const TRect& selection, int width, int height);

// The layout properties question, from "layer count", "correct lock", "ibd",
// "layout" and "buffered" (UTF-8).
std::string DownloadPropertiesText(const SettingsStore& settings, const TextTranslator& translate = {});

// The device's interval command code for list item 0..15: item + 1, item 15 is 0.
uint8_t IntervalCode(int item);

enum class OperationKind { Download, Upload };

// What the preparation settles for the worker.
struct PreparedOperation {
  DeviceModel model;
  DeviceIdentity identity;
  DeviceHeader header;
  KeyPlacement placement;
  TRect selection;  // the fragment written or filled
};

struct OperationRequest {
  OperationKind kind = OperationKind::Download;
  TVL2Document& document;
  TRect selection;  // the key grid's selection
  bool verify = false;  // download: read the image back and compare
  // Shows the layout check's remarks before the question; may be empty.
  std::function<void(const std::vector<CheckRemark>&)> showRemarks;
  // Download: called once the user agreed, before a byte is written; false stops
  // the operation there (it has told why). May be empty.
  std::function<bool()> agreed;
  // Shows the fragment to transfer once it is known, before the download's
  // questions, so that they speak of what the user sees selected; may be empty.
  std::function<void(const TRect&)> showFragment{};
  // Upload: takes what was read, and document is left alone (the caller takes the
  // read into a layout its own way). Empty: the read goes into document.
  DeviceRead* uploadInto = nullptr;
};

// Keys holding anything outside the block; a download of the block leaves them out.
int KeysOutside(const TDocument& document, const TRect& block);
// The question a download asks when keys with content lie outside the device's
// width x height field it writes.
std::string KeysOutsideQuestion(int count, int width, int height, const TextTranslator& translate = {});

// The preparation, on the caller's thread. nullopt when it ends early: the device
// is missing, its decoding table unreadable, the user said no to a question, or the
// header block could not be read; each told through the prompt. Nothing but the
// disable-scanning byte has been sent to the device by then.
std::optional<PreparedOperation> PrepareOperation(const PortAccess& access, const SettingsStore& settings,
                                                  const IDeviceCatalogue& catalogue,
                                                  const OperationRequest& request, IReporter& reporter,
                                                  IPrompt& prompt);

// The whole operation on the caller's thread: the preparation, then the worker
// on request.document (an upload reads into it, or into request.uploadInto).
// Failed when the preparation ended early.
OperationResult RunDeviceOperation(const PortAccess& access, const SettingsStore& settings,
                                   const IDeviceCatalogue& catalogue, const OperationRequest& request,
                                   IReporter& reporter, IPrompt& prompt, CancelGate& gate);

}  // namespace vl
